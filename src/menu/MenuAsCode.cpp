#include "menu/MenuAsCode.h"

#include "core/Error.h"
#include "core/JsonReader.h"
#include "core/JsonText.h"
#include "core/Text.h"

#include <algorithm>
#include <yaml-cpp/yaml.h>

namespace torvex {

namespace {

// Entries are indented by two blanks a level down to this many levels; deeper ones keep that
// indentation, so that the text grows with the menu's size only.
constexpr std::size_t maxIndentedLevel = 32;

constexpr int formatVersion = 1;

std::string indent(std::size_t level)
{
    return std::string(2 * std::min(level, maxIndentedLevel), ' ');
}

[[noreturn]] void failAt(const JsonValue &value, const std::string &what)
{
    throw TorvexError("line " + std::to_string(value.line) + ", column "
        + std::to_string(value.column) + ": " + what);
}

const std::string &stringMember(const JsonValue &entry, const char *name)
{
    static const std::string none;
    const JsonValue *value = entry.member(name);
    if (!value)
        return none;
    if (value->kind != JsonValue::Kind::String)
        failAt(*value, std::string("\"") + name + "\" must be a string");
    return value->text;
}

void addEntries(const JsonValue &list, MenuTree &tree, MenuNode *parent)
{
    if (list.kind != JsonValue::Kind::Array)
        failAt(list, "expected a list of entries");
    for (const JsonValue &entry : list.items) {
        if (entry.kind != JsonValue::Kind::Object)
            failAt(entry, "an entry must be an object");
        for (const auto &[name, value] : entry.members)
            if (name != "title" && name != "command" && name != "path" && name != "children")
                failAt(value, "unknown member \"" + visibleText(name) + "\" in an entry");
        if (!entry.member("title"))
            failAt(entry, "an entry needs a \"title\"");
        const std::string &title = stringMember(entry, "title");
        const std::string &command = stringMember(entry, "command");
        const std::string &targetPath = stringMember(entry, "path");
        const JsonValue *children = entry.member("children");
        const bool submenu = children && children->kind == JsonValue::Kind::Array
            && !children->items.empty();
        if (submenu && (!command.empty() || !targetPath.empty()))
            failAt(entry, "an entry with children has no \"command\" or \"path\"");
        MenuNode *node = parent ? tree.addChild(parent, title) : tree.addTopLevel(title);
        if (children)
            addEntries(*children, tree, node);
        if (submenu)
            tree.refreshNodeKind(node);
        else
            tree.setData(node, { command, targetPath });
    }
}

// Texts are quoted, so that no YAML reader takes a title such as 2024, true or ~ for a number,
// a truth value or nothing: in single quotes, which keep backslashes as they are, and in double
// quotes (the emitter's choice) when a text holds what single quotes cannot show.
void emitText(YAML::Emitter &out, std::string_view text)
{
    out << YAML::SingleQuoted << std::string(text);
}

void emitEntries(YAML::Emitter &out, const MenuNode *parent, const MenuTree &tree)
{
    const auto &level = parent ? parent->children() : tree.topLevel();
    out << YAML::BeginSeq;
    for (const auto &node : level) {
        out << YAML::BeginMap << YAML::Key << "title" << YAML::Value;
        emitText(out, node->title());
        if (node->hasChildren()) {
            out << YAML::Key << "children" << YAML::Value;
            emitEntries(out, node.get(), tree);
        } else {
            if (!node->data().command.empty()) {
                out << YAML::Key << "command" << YAML::Value;
                emitText(out, node->data().command);
            }
            if (!node->data().targetPath.empty()) {
                out << YAML::Key << "path" << YAML::Value;
                emitText(out, node->data().targetPath);
            }
        }
        out << YAML::EndMap;
    }
    out << YAML::EndSeq;
}

} // namespace

std::string menuAsJson(const MenuTree &tree)
{
    std::string out = "{\n  \"version\": " + std::to_string(formatVersion) + ",\n  \"menu\": [";
    if (tree.isEmpty())
        return out + "]\n}\n";
    std::vector<const MenuNode *> path; // the open submenus, from the top level down
    bool firstOfLevel = true;
    const auto close = [&] {
        path.pop_back();
        out += "\n" + indent(path.size() + 2) + "] }";
    };
    tree.forEach([&](MenuNode *node) {
        while (!path.empty() && path.back() != node->parent()) {
            close();
            firstOfLevel = false;
        }
        out += firstOfLevel ? "\n" : ",\n";
        out += indent(path.size() + 2) + "{ \"title\": " + jsonQuoted(node->title());
        if (node->hasChildren()) {
            out += ", \"children\": [";
            path.push_back(node);
            firstOfLevel = true;
            return true;
        }
        if (!node->data().command.empty())
            out += ", \"command\": " + jsonQuoted(node->data().command);
        if (!node->data().targetPath.empty())
            out += ", \"path\": " + jsonQuoted(node->data().targetPath);
        out += " }";
        firstOfLevel = false;
        return true;
    });
    while (!path.empty())
        close();
    return out + "\n  ]\n}\n";
}

std::string menuAsYaml(const MenuTree &tree)
{
    YAML::Emitter out;
    out.SetIndent(2);
    out << YAML::BeginMap << YAML::Key << "version" << YAML::Value << formatVersion;
    out << YAML::Key << "menu" << YAML::Value;
    if (tree.isEmpty())
        out << YAML::Flow << YAML::BeginSeq << YAML::EndSeq;
    else
        emitEntries(out, nullptr, tree);
    out << YAML::EndMap;
    return std::string(out.c_str()) + "\n";
}

void readMenuJson(std::string_view text, MenuTree &tree)
{
    JsonValue document;
    try {
        document = readJson(text);
    } catch (const JsonSyntaxError &error) {
        throw TorvexError(error.what());
    }
    if (document.kind != JsonValue::Kind::Object)
        failAt(document, "expected an object with \"menu\"");
    for (const auto &[name, value] : document.members) {
        if (name == "version") {
            if (value.kind != JsonValue::Kind::Number || value.text != std::to_string(formatVersion))
                failAt(value, "only version " + std::to_string(formatVersion) + " is known");
        } else if (name != "menu" && name != "$schema") {
            failAt(value, "unknown member \"" + visibleText(name) + "\"");
        }
    }
    const JsonValue *menu = document.member("menu");
    if (!menu)
        failAt(document, "the object has no \"menu\"");
    MenuTree built;
    addEntries(*menu, built, nullptr);
    tree.takeNodes(built);
}

} // namespace torvex
