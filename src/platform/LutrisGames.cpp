#include "platform/LutrisGames.h"

#include <algorithm>
#include <cctype>
#include <yaml-cpp/yaml.h>

namespace torvex {

namespace {

// Deeper flow nesting than this is no game file; the parser would recurse once per level.
constexpr int kMaxFlowDepth = 64;

bool isNestedTooDeeply(std::string_view text)
{
    int depth = 0;
    for (char c : text) {
        if (c == '[' || c == '{') {
            if (++depth > kMaxFlowDepth)
                return true;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return false;
}

} // namespace

std::optional<std::filesystem::path> lutrisGamePrefix(
    std::string_view yamlText, const std::filesystem::path &home)
{
    if (isNestedTooDeeply(yamlText))
        return std::nullopt;
    std::string value;
    try {
        const YAML::Node document = YAML::Load(std::string(yamlText));
        if (!document.IsMap())
            return std::nullopt;
        const YAML::Node game = document["game"];
        if (!game.IsMap())
            return std::nullopt;
        const YAML::Node prefix = game["prefix"];
        if (!prefix.IsScalar())
            return std::nullopt;
        value = prefix.as<std::string>();
    } catch (const YAML::Exception &) {
        return std::nullopt;
    }
    std::filesystem::path folder(value);
    if ((value == "~" || value.starts_with("~/")) && !home.empty())
        folder = home / value.substr(std::min<std::size_t>(value.size(), 2));
    if (!folder.is_absolute())
        return std::nullopt;
    return folder.lexically_normal();
}

std::string lutrisGameName(const std::filesystem::path &gameFile)
{
    std::string name = gameFile.stem().string();
    const auto dash = name.rfind('-');
    if (dash != std::string::npos && dash > 0 && dash + 1 < name.size()
        && std::all_of(
            name.begin() + static_cast<std::ptrdiff_t>(dash) + 1, name.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c)) != 0;
            }))
        name.resize(dash);
    return name;
}

} // namespace torvex
