// Loading a menu of 1 000 to 100 000 entries through the main window: the reader, the tree model,
// the tree view and the status-bar progress together. The window runs offscreen.
#include "OffscreenMain.h"
#include "app/gui/files/FileController.h"
#include "app/gui/window/MainWindow.h"
#include "menu/DirMenuWriter.h"
#include "files/FileSystem.h"
#include "platform/WindowsView.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTreeView>

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace torvex;

// A DirMenu section of `nodes` nodes: submenus of nine items each.
std::string menuFile(std::size_t nodes)
{
    MenuTree tree;
    MenuNode *group = nullptr;
    for (std::size_t i = 0; i < nodes; ++i) {
        if (i % 10 == 0) {
            group = tree.addTopLevel("Group " + std::to_string(i / 10), NodeKind::Submenu);
            continue;
        }
        MenuNode *node = tree.addChild(group, "Folder " + std::to_string(i));
        tree.setCommand(node, "cd C:\\Data\\Projects\\Folder " + std::to_string(i));
    }
    std::string text = "[Configuration]\r\nInstallDir=C:\\FM\r\n[DirMenu]\r\n";
    for (const auto &[key, value] : writeDirMenu(tree))
        text += key + "=" + value + "\r\n";
    return text;
}

// Counts the progress texts the window shows while loading.
class ProgressWatch : public QObject
{
public:
    explicit ProgressWatch(QLabel *panel)
        : m_panel(panel)
    {
        panel->installEventFilter(this);
    }
    int updates = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_panel->text().contains(QLatin1Char('%')))
            ++updates;
        return false;
    }

private:
    QLabel *m_panel;
};

// The count warning at 200 entries would wait for a click; the bench answers every box.
class AnsweringBoxes : public MessageBoxes
{
public:
    MsgResult ask(const std::string &, const std::string &, MsgIcon, MsgButtons buttons) override
    {
        ++shown;
        return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgResult::Ok
                                                                            : MsgResult::Yes;
    }
    int shown = 0;
};

void BM_LoadThroughWindow(benchmark::State &state)
{
    const std::size_t nodes = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("torvex-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "wincmd.ini").string();
    std::ofstream(path, std::ios::binary) << menuFile(nodes);

    MainWindowEnvironment environment;
    environment.view = std::make_shared<WindowsView>(WindowsView::withoutPrefix(Environment {}));
    environment.folders = ProgramFolders::besideExecutable(folder.string());
    environment.candidates = IniCandidates {};
    environment.startFolder = "Z:\\";
    AnsweringBoxes boxes;
    environment.messageBoxes = &boxes;
    MainWindow form(std::move(environment));
    form.start();
    ProgressWatch watch(form.findChild<QLabel *>(QStringLiteral("StatusPanel0")));
    for (auto _ : state) {
        form.files().openMenuFile(path);
        // Include the tree's layout and one full paint of the window after the load.
        QCoreApplication::processEvents();
        form.repaint();
        benchmark::DoNotOptimize(form.tree().count());
    }
    state.counters["nodes"] = static_cast<double>(form.tree().count());
    state.counters["progressPaints"] = static_cast<double>(watch.updates) / state.iterations();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadThroughWindow)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return torvex::bench::runOffscreen(argc, argv);
}
