// The shipped translations: complete, true to each text's placeholders and access key, up to
// date with the sources, built into the program, chosen by the user's language, and used by
// every text of the translated windows. The desktop entry and the AppStream metadata speak the
// same languages.

#include "app/gui/application/Translations.h"

#include "app/ErrorReporter.h"
#include "app/FileCommands.h"
#include "app/MenuFileSteps.h"
#include "app/gui/files/ChangesWindow.h"
#include "app/gui/files/FileController.h"
#include "app/gui/files/IniChooserDialog.h"
#include "app/gui/files/NoticeBar.h"
#include "core/gui/ShownText.h"
#include "editor/EntryDestination.h"
#include "editor/ItemCount.h"
#include "editor/MenuProblems.h"
#include "editor/MenuPreview.h"
#include "menu/MenuComparison.h"
#include "settings/gui/OptionsDialog.h"
#include "support/TempDir.h"
#include "support/gui/LoadedWindowFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace torvex {
namespace {

const QStringList expectedLanguages = { QStringLiteral("de"), QStringLiteral("es"),
    QStringLiteral("fr") };

QString sourceFile(const QString &relative)
{
    return QStringLiteral(TORVEX_SOURCE_DIR "/") + relative;
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
    QStringList forms; // a counted text's plural forms; its translation is then the first
};

// Reads a .ts file's messages; fails the test on XML it cannot read.
std::vector<Message> readTs(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> messages;
    QString context;
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            // A message's translation follows its source.
            Message m {
                context, source, {}, xml.attributes().value(QLatin1String("type")).toString(), {}
            };
            while (!(xml.readNext() == QXmlStreamReader::EndElement
                       && xml.name() == QLatin1String("translation"))
                && !xml.atEnd()) {
                if (xml.isCharacters() && m.forms.isEmpty())
                    m.translation += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    m.forms.append(xml.readElementText());
            }
            if (!m.forms.isEmpty())
                m.translation = m.forms.first();
            messages.push_back(m);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

QString tsOf(const QString &language)
{
    return sourceFile(QStringLiteral("translations/torvex_%1.ts").arg(language));
}

// %1..%99 and %n, sorted: a translation must keep every one of them.
QStringList placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression pattern(QStringLiteral("%(\\d{1,2}|n)"));
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// Whether the text marks an access key (a single '&'; "&&" is a plain ampersand).
bool hasAccessKey(const QString &text)
{
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    return plain.contains(QLatin1Char('&'));
}

TEST(Translations, ShippedLanguagesAreBuiltIn)
{
    EXPECT_EQ(shippedTranslationLanguages(), expectedLanguages);
    for (const QString &language : expectedLanguages)
        EXPECT_TRUE(QFile::exists(tsOf(language))) << language.toStdString();
}

// Every message of every shipped language is translated, keeps its placeholders and its
// access key, and the built-in translation gives exactly that text.
TEST(Translations, EveryTextIsTranslatedWithItsPlaceholdersAndAccessKey)
{
    for (const QString &language : expectedLanguages) {
        SCOPED_TRACE(language.toStdString());
        const std::vector<Message> messages = readTs(tsOf(language));
        ASSERT_FALSE(messages.empty());
        QTranslator built;
        ASSERT_TRUE(built.load(translationResource(language)));
        for (const Message &m : messages) {
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_TRUE(m.type.isEmpty()) << "marked " << m.type.toStdString();
            EXPECT_FALSE(m.translation.trimmed().isEmpty());
            EXPECT_EQ(placeholders(m.translation), placeholders(m.source));
            EXPECT_EQ(hasAccessKey(m.translation), hasAccessKey(m.source));
            if (!m.forms.isEmpty()) {
                // Every plural form keeps the count and the placeholders.
                for (const QString &form : m.forms) {
                    EXPECT_FALSE(form.trimmed().isEmpty());
                    EXPECT_EQ(placeholders(form), placeholders(m.source)) << form.toStdString();
                }
                continue;
            }
            EXPECT_EQ(built.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                m.translation);
        }
    }
}

// The .ts files hold exactly the texts the sources hand to the translation system now: a
// text added without a translation, or a translation left behind by a text that changed,
// fails here (scripts/update-translations refreshes them).
TEST(Translations, FilesHoldEveryTextOfTheSources)
{
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString fresh = work.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(sourceFile(QString()));
    lupdate.start(QStringLiteral(TORVEX_LUPDATE),
        { QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
            QStringLiteral("-extensions"), QStringLiteral("cpp,h"), QStringLiteral("-I"),
            QStringLiteral("src"), QStringLiteral("src"),
            QStringLiteral("-ts"), fresh });
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    std::set<std::pair<QString, QString>> inSources;
    for (const Message &m : readTs(fresh))
        inSources.emplace(m.context, m.source);
    ASSERT_FALSE(inSources.empty());
    for (const QString &language : expectedLanguages) {
        SCOPED_TRACE(language.toStdString());
        std::set<std::pair<QString, QString>> inFile;
        for (const Message &m : readTs(tsOf(language)))
            inFile.emplace(m.context, m.source);
        for (const auto &[context, source] : inSources)
            EXPECT_TRUE(inFile.count({ context, source }))
                << "not in the file: " << context.toStdString() << " / " << source.toStdString();
        for (const auto &[context, source] : inFile)
            EXPECT_TRUE(inSources.count({ context, source }))
                << "no longer in the sources: " << context.toStdString() << " / "
                << source.toStdString();
    }
}

// The user's language for a scope: the translations the program installs for `locale`
// (none for English), and the shipped translation of the language chosen at hand to compare
// with. The installed translators go at the end of the scope.
class Language
{
public:
    explicit Language(const QLocale &locale)
        : chosen(installTranslations(*QCoreApplication::instance(), locale))
    {
        loaded = chosen.isEmpty() || translator.load(translationResource(chosen));
    }
    // The language of that name, "" for English.
    explicit Language(const QString &language)
        : Language(language.isEmpty() ? QLocale::c() : QLocale(language))
    { }
    ~Language()
    {
        for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>())
            delete t; // a translator removes itself from the application
    }
    Language(const Language &) = delete;
    Language &operator=(const Language &) = delete;

    // Whether the program chose `language` ("" for none) and its shipped translation loads.
    ::testing::AssertionResult is(const QString &language) const
    {
        if (chosen != language)
            return ::testing::AssertionFailure() << "chose \"" << chosen.toStdString()
                                                 << "\" for \"" << language.toStdString() << '"';
        if (!loaded)
            return ::testing::AssertionFailure() << "no shipped translation loads";
        return ::testing::AssertionSuccess();
    }

    const QString chosen;
    bool loaded = false;
    QTranslator translator;
};

// Runs `check` in each of the languages with that language installed (Language `in`), the
// test's trace naming it; stops at a language the program does not choose.
template <typename Check>
void inEachLanguage(const QStringList &languages, Check check)
{
    for (const QString &language : languages) {
        SCOPED_TRACE(language.toStdString());
        const Language in(language);
        ASSERT_TRUE(in.is(language));
        check(language, in);
    }
}

// The same for a table of what each language ("" for English) shows.
template <typename Texts, typename Check>
void inEachLanguage(const std::map<QString, Texts> &expected, Check check)
{
    for (const auto &[language, texts] : expected) {
        SCOPED_TRACE(language.toStdString());
        const Language in(language);
        ASSERT_TRUE(in.is(language));
        check(language, texts, in);
    }
}

TEST(Translations, TheUsersLanguageIsChosenEnglishNeedsNone)
{
    const char *context = "torvex::OptionsDialog";
    {
        const Language in { QLocale(QStringLiteral("de_AT")) };
        EXPECT_TRUE(in.is(QStringLiteral("de")));
        EXPECT_EQ(QCoreApplication::translate(context, "&Cancel"), QStringLiteral("&Abbrechen"));
    }
    EXPECT_EQ(QCoreApplication::translate(context, "&Cancel"), QStringLiteral("&Cancel"));
    for (const char *name : { "en_US", "pt_BR", "C" }) {
        const Language in { QLocale(QLatin1String(name)) };
        EXPECT_TRUE(in.is(QString())) << name;
        EXPECT_EQ(QCoreApplication::translate(context, "&Cancel"), QStringLiteral("&Cancel"));
    }
}

// A host for the dialog that applies nothing.
class QuietHost : public OptionsHost
{
public:
    explicit QuietHost(const std::string &folder)
        : folder(folder)
        , ini(ProgramSettings::pathIn(folder))
    { }
    ProgramSettings &settings() override { return ini; }
    void applyTreeColours(int32_t, int32_t) override { }
    void applyDriveTypes(DriveTypeSet) override { }
    void setConfirmDropOnCommand(bool) override { }
    void setStatusText(const std::string &text) override { statuses.push_back(text); }
    void waitHandlingEvents(unsigned) override { }
    std::string helpFile() const override { return folder + "/torvex.hlp"; }

    std::string folder;
    std::vector<std::string> statuses;
    ProgramSettings ini;
};

// The texts a window shows: captions, group titles, tool tips and its title, by object.
std::map<QString, QString> shownTexts(QWidget &window)
{
    std::map<QString, QString> texts;
    texts[QStringLiteral("title")] = window.windowTitle();
    for (auto *button : window.findChildren<QAbstractButton *>()) {
        texts[button->objectName()] = button->text();
        if (!button->toolTip().isEmpty())
            texts[button->objectName() + QStringLiteral(".tip")] = button->toolTip();
    }
    for (auto *group : window.findChildren<QGroupBox *>())
        texts[group->objectName()] = group->title();
    for (auto *label : window.findChildren<QLabel *>())
        if (!label->text().isEmpty())
            texts[label->objectName()] = label->text();
    return texts;
}

// The width a button's caption needs: a push button's style gives any caption at least 80
// pixels, more than the design's small buttons have; its text and margins are what counts.
int widthNeeded(const QAbstractButton &button)
{
    if (!qobject_cast<const QPushButton *>(&button))
        return button.sizeHint().width();
    QString plain = button.text();
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
    return button.fontMetrics().horizontalAdvance(plain) + 2 * 6;
}

// A translated window against its English self: every text is its language's translation of
// the English text (a text shown without going through the translation system has none),
// and each caption fits the room the window gives it.
template<typename MakeWindow>
void expectTranslated(const char *context, MakeWindow makeWindow)
{
    std::map<QString, QString> english;
    {
        std::unique_ptr<QWidget> window = makeWindow();
        english = shownTexts(*window);
    }
    ASSERT_GE(english.size(), 6u);
    inEachLanguage(expectedLanguages, [&](const QString &, const Language &in) {
        const QTranslator &expected = in.translator;
        std::unique_ptr<QWidget> window = makeWindow();
        const std::map<QString, QString> shown = shownTexts(*window);
        for (const auto &[name, text] : english) {
            SCOPED_TRACE(name.toStdString());
            if (text == QStringLiteral("..."))
                continue; // the colour buttons' caption is no word
            const QString translation = expected.translate(context, text.toUtf8().constData());
            EXPECT_FALSE(translation.isEmpty()) << "not translated: " << text.toStdString();
            EXPECT_EQ(shown.at(name), translation);
        }
        for (auto *button : window->findChildren<QAbstractButton *>())
            EXPECT_LE(widthNeeded(*button), button->width())
                << button->objectName().toStdString() << ": " << button->text().toStdString();
        for (auto *group : window->findChildren<QGroupBox *>())
            EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()), group->width())
                << group->objectName().toStdString();
        for (auto *label : window->findChildren<QLabel *>())
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << label->objectName().toStdString();
    });
}

TEST(Translations, DialogsShowEveryTextTranslatedAndWhole)
{
    test::TempDir dir;
    QuietHost host(dir.path());
    expectTranslated("torvex::OptionsDialog", [&host] {
        return std::make_unique<OptionsDialog>(host);
    });
    expectTranslated("torvex::IniChooserDialog", [] {
        return std::make_unique<IniChooserDialog>(nullptr);
    });
}

TEST(Translations, TheOptionsStatusSpeaksTheUsersLanguage)
{
    test::TempDir dir;
    QuietHost host(dir.path());
    inEachLanguage(expectedLanguages, [&](const QString &, const Language &in) {
        host.statuses.clear();
        OptionsDialog dialog(host);
        dialog.loadOptions();
        const QString expected =
            in.translator.translate("torvex::OptionsDialog", "Showing selected drives...");
        EXPECT_FALSE(expected.isEmpty());
        // The status while the drive buttons are made, then the status cleared.
        EXPECT_EQ(host.statuses,
            (std::vector<std::string> { expected.toStdString(), std::string() }));
    });
}

// ---- The main window ----

// Every translation each English text has in a language's file, whatever its context: the
// window's texts come from many classes.
std::map<QString, std::set<QString>> translationsOf(const QString &language)
{
    std::map<QString, std::set<QString>> translations;
    for (const Message &m : readTs(tsOf(language))) {
        translations[m.source].insert(m.translation);
        for (const QString &form : m.forms)
            translations[m.source].insert(form);
    }
    return translations;
}

// The texts of the window's menus (the bar's, their submenus and the tree's popup, hidden
// entries included) and its docks' titles, by where they are. An entry's tool tip counts where
// one was given: Qt makes one of the caption otherwise. The preview's menu is left out: it
// shows the user's own titles.
std::map<QString, QString> menuTexts(QMainWindow &window)
{
    std::map<QString, QString> texts;
    for (QMenu *menu : window.findChildren<QMenu *>()) {
        const QString name = menu->objectName();
        if (name == QStringLiteral("menuPreview"))
            continue;
        if (!menu->title().isEmpty()) // the popup has none
            texts[name] = menu->title();
        const QList<QAction *> actions = menu->actions();
        for (qsizetype i = 0; i < actions.size(); ++i) {
            QAction *action = actions[i];
            if (action->isSeparator() || action->menu() || action->text().isEmpty())
                continue; // a submenu is named by its own title
            const QString where = name + QLatin1Char('/')
                + (action->objectName().isEmpty() ? QString::number(i) : action->objectName());
            texts[where] = action->text();
            if (action->toolTip() != QAction(action->text()).toolTip())
                texts[where + QStringLiteral(".tip")] = action->toolTip();
        }
    }
    for (QDockWidget *dock : window.findChildren<QDockWidget *>())
        texts[dock->objectName() + QStringLiteral(".title")] = dock->windowTitle();
    return texts;
}

// The texts of the window's own widgets, by where they are: captions, labels, tool tips and
// the names and descriptions screen readers speak. Menus are left to menuTexts; so are the
// parts named in `leftOut` (with all they hold), which show texts that are not ours.
std::map<QString, QString> widgetTexts(QWidget &window, const std::set<QString> &leftOut)
{
    std::map<QString, QString> texts;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (qobject_cast<QMenu *>(widget))
            continue;
        bool inLeftOut = false;
        for (QWidget *w = widget; w && w != &window; w = w->parentWidget())
            inLeftOut = inLeftOut || leftOut.count(w->objectName())
                || w->objectName().startsWith(QStringLiteral("qt_")); // Qt's own, in its catalogue
        if (inLeftOut)
            continue;
        QString where = widget->objectName();
        if (where.isEmpty()) // by its place among its parent's children
            where = widget->parentWidget()->objectName() + QLatin1Char('/')
                + QLatin1String(widget->metaObject()->className()) + QLatin1Char('#')
                + QString::number(widget->parentWidget()->children().indexOf(widget));
        const auto add = [&](const char *what, const QString &text) {
            if (!text.isEmpty())
                texts[where + QLatin1String(what)] = text;
        };
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            add(".text", button->text());
        if (auto *label = qobject_cast<QLabel *>(widget))
            add(".text", label->text());
        if (auto *header = qobject_cast<QHeaderView *>(widget);
            header && header->model() && !header->isHidden())
            for (int i = 0; i < header->count(); ++i)
                add(qPrintable(QStringLiteral(".header%1").arg(i)),
                    header->model()->headerData(i, header->orientation()).toString());
        if (widget->isWindow())
            add(".title", widget->windowTitle());
        add(".tip", widget->toolTip());
        add(".name", widget->accessibleName());
        add(".description", widget->accessibleDescription());
    }
    return texts;
}

// The access keys of a row of captions that repeat one: "&Open" and "&Options" both take O.
QString repeatedAccessKeys(const QStringList &captions)
{
    std::set<QString> seen;
    QStringList repeated;
    for (const QString &caption : captions) {
        const QKeySequence key = QKeySequence::mnemonic(caption);
        if (!key.isEmpty() && !seen.insert(key.toString()).second)
            repeated.append(caption);
    }
    return repeated.join(QStringLiteral(" | "));
}

QStringList captionsOf(const QList<QAction *> &actions)
{
    QStringList captions;
    for (QAction *action : actions)
        captions.append(action->text());
    return captions;
}

class WindowTranslationsTest : public test::LoadedWindowFixture
{
protected:
    // The window started anew on a menu file holding `ini`, in the language installed now.
    QMainWindow &startWindow(const std::string &ini = "[DirMenu]\nmenu1=Tools\ncmd1=cd C:\\\n")
    {
        start(dir.write("wincmd.ini", ini));
        return *form;
    }

    // The same with its tool windows made: History, Show changes, the find box and the
    // problem list.
    QMainWindow &startWithToolWindows()
    {
        startWindow();
        for (const char *action : { "mnuEditHistory", "mnuFileShowChanges", "mnuEditFind" })
            trigger(action);
        widget<QAction>("viewProblems")->setChecked(true);
        QApplication::processEvents();
        // The drive buttons the panel made before the window's own settings are gone.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return *form;
    }
};

// The window in each shipped language against its English self: every caption, tool tip and
// dock title of the menus is its language's translation of the English text (a text shown
// without going through the translation system has none, or stays English), and no menu
// gives two of its entries the same access key.
TEST_F(WindowTranslationsTest, MenusShowEveryTextTranslatedWithUniqueAccessKeys)
{
    const std::map<QString, QString> english = menuTexts(startWindow());
    ASSERT_GE(english.size(), 40u);
    // English, the source, keeps its access keys apart too, among the entries shown together
    // ("&Add menu" shows only in an empty menu, where "&Add sister menu" does not).
    for (QMenu *menu : form->findChildren<QMenu *>()) {
        QList<QAction *> shown = menu->actions();
        shown.removeIf([](const QAction *action) {
            return action->objectName() == QLatin1String("mnuPopupAddMenu");
        });
        EXPECT_EQ(repeatedAccessKeys(captionsOf(shown)).toStdString(), "")
            << "English " << menu->objectName().toStdString();
    }
    inEachLanguage(expectedLanguages, [&](const QString &language, const Language &) {
        const std::map<QString, std::set<QString>> translations = translationsOf(language);
        QMainWindow &window = startWindow();
        const std::map<QString, QString> shown = menuTexts(window);
        for (const auto &[where, text] : english) {
            SCOPED_TRACE(where.toStdString());
            ASSERT_TRUE(shown.count(where));
            const auto found = translations.find(text);
            if (found == translations.end()) {
                ADD_FAILURE() << "not translated: " << text.toStdString();
                continue;
            }
            EXPECT_TRUE(found->second.count(shown.at(where)))
                << text.toStdString() << " shown as " << shown.at(where).toStdString();
        }
        EXPECT_EQ(repeatedAccessKeys(captionsOf(window.menuBar()->actions())).toStdString(), "");
        for (QMenu *menu : window.findChildren<QMenu *>())
            EXPECT_EQ(repeatedAccessKeys(captionsOf(menu->actions())).toStdString(), "")
                << menu->objectName().toStdString();
    });
}

// Captions that are no words but keys or signs, the same in every language.
const std::set<QString> signs = { QStringLiteral("<<   ( F&5 )"),
    QStringLiteral("<<   ( F&6 )"),
    QStringLiteral("<<   ( F&7 )"),
    QStringLiteral("\u00D7"),
    QStringLiteral("x") };

// The texts of the window that are no words of its own: the ini file's panel shows a path, a
// drive button's caption is its drive's letter, and an empty status is a blank. A drive
// button's hint joins the drive's name to the keys that choose it, each translated
// (DriveButtonHintsNameTheDriveInTheUsersLanguage). Their names and descriptions for screen
// readers are checked all the same.
bool notOurs(const QString &where, const QString &text)
{
    return where == QStringLiteral("Panel_IniSti.text") || text.trimmed().isEmpty()
        || (where.startsWith(QStringLiteral("DriveButton"))
            && (where.endsWith(QStringLiteral(".text")) || where.endsWith(QStringLiteral(".tip"))));
}

// The texts `shown` may be in a language for the English `text`: its translations, or, for a
// text made of a message with placeholders ("Drive %1"), the message's translations with the
// same values put in. Empty where no message gives the English text.
std::set<QString> translationsFor(
    const QString &text, const std::map<QString, std::set<QString>> &translations)
{
    if (const auto found = translations.find(text); found != translations.end())
        return found->second;
    std::set<QString> made;
    static const QRegularExpression placeholder(QStringLiteral("%[\\dn]"));
    for (const auto &[source, translated] : translations) {
        if (!source.contains(placeholder))
            continue;
        QString pattern = QRegularExpression::escape(source);
        static const QRegularExpression escapedPlaceholder(QStringLiteral("\\\\%[\\dn]"));
        pattern.replace(escapedPlaceholder, QStringLiteral("(.*)")); // escape() gave "\%1"
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(text);
        if (!match.hasMatch())
            continue;
        // The values in the order of their placeholders in the English text.
        static const QRegularExpression numbered(QStringLiteral("%([\\dn])"));
        QStringList order;
        for (auto it = numbered.globalMatch(source); it.hasNext();)
            order.append(it.next().captured(1));
        for (QString translation : translated) {
            for (int i = 1; i <= match.lastCapturedIndex(); ++i)
                translation.replace(QLatin1Char('%') + order.value(i - 1), match.captured(i));
            made.insert(translation);
        }
    }
    return made;
}

// The window's widgets in each shipped language against its English self, as for the menus;
// the access keys of the labels and buttons do not repeat each other nor the menu bar's.
TEST_F(WindowTranslationsTest, WidgetsShowEveryTextTranslatedWithUniqueAccessKeys)
{
    const std::set<QString> leftOut = { QStringLiteral("menuPreview") };
    const std::map<QString, QString> english = widgetTexts(startWithToolWindows(), leftOut);
    for (const char *part : { "HistoryWindow.title",
             "ChangesWindow.title",
             "ChangesRefresh.text",
             "FindText.name",
             "deleteProblemEntries.tip",
             "showUndecided.text",
             "noticeCloseButton.tip",
             "SButSave.name",
             "EditTitle.description",
             "Label2.text" })
        ASSERT_TRUE(english.count(QLatin1String(part))) << part;
    int headers = 0;
    for (const auto &[where, text] : english)
        headers += where.contains(QStringLiteral(".header")) ? 1 : 0;
    EXPECT_GE(headers, 6); // the problem list's four, Show changes' two
    inEachLanguage(expectedLanguages, [&](const QString &language, const Language &) {
        const std::map<QString, std::set<QString>> translations = translationsOf(language);
        QMainWindow &window = startWithToolWindows();
        const std::map<QString, QString> shown = widgetTexts(window, leftOut);
        for (const auto &[where, text] : english) {
            SCOPED_TRACE(where.toStdString());
            if (signs.count(text) || notOurs(where, text))
                continue;
            ASSERT_TRUE(shown.count(where));
            const std::set<QString> expected = translationsFor(text, translations);
            EXPECT_FALSE(expected.empty()) << "not translated: " << text.toStdString();
            EXPECT_TRUE(expected.empty() || expected.count(shown.at(where)))
                << text.toStdString() << " shown as " << shown.at(where).toStdString();
        }
        // Access keys count within each window: the main one with its menu bar, each tool window.
        std::map<QWidget *, QStringList> keys;
        keys[&window] = captionsOf(window.menuBar()->actions());
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>())
            if (button->isVisibleTo(button->window()))
                keys[button->window()].append(button->text());
        for (QLabel *label : window.findChildren<QLabel *>())
            if (label->buddy())
                keys[label->window()].append(label->text());
        for (const auto &[inWindow, captions] : keys)
            EXPECT_EQ(repeatedAccessKeys(captions).toStdString(), "")
                << inWindow->objectName().toStdString();
    });
}

// The problem list names each problem's kind in the window's language.
TEST_F(WindowTranslationsTest, TheProblemListNamesTheKindsInTheWindowsLanguage)
{
    const auto kindsShown = [this] {
        form.reset();
        start(dir.write("wincmd.ini", "[DirMenu]\nmenu1=Tools\ncmd1=\n"));
        form->show();
        widget<QAction>("viewProblems")->trigger();
        const QAbstractItemModel *rows = widget<QAbstractItemView>("problemRows")->model();
        // The scan runs once the window is idle.
        for (int wait = 0; wait < 100 && rows->rowCount() == 0; ++wait)
            QTest::qWait(20);
        QStringList kinds;
        for (int row = 0; row < rows->rowCount(); ++row)
            kinds.append(rows->index(row, 0).data().toString());
        form->session().setExitWithoutSaving(true);
        return kinds;
    };
    const QStringList english = kindsShown();
    ASSERT_EQ(english, QStringList { QStringLiteral("no command") });
    inEachLanguage(expectedLanguages, [&](const QString &language, const Language &) {
        const std::map<QString, std::set<QString>> translations = translationsOf(language);
        const QStringList shown = kindsShown();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(translations.at(english[0]).count(shown[0])) << shown[0].toStdString();
    });
    form.reset();
}

// What the problem list says of each problem (the folder or the reason, and the whole row for
// screen readers), and what screen readers say for the rows of the menu tree and of the folder
// list: the language's words, the titles, commands, folders and variables as they are.
TEST_F(WindowTranslationsTest, RowsOfTheListsSpeakTheUsersLanguage)
{
    struct Texts
    {
        QStringList problems; // each row's "Folder or reason", then its tool tip
        QString problemRow; // the first row for screen readers
        QStringList tree; // name|details of Tools, Sub, Docs and the separator
        QStringList folders; // the drive and its first subfolder, %1 for its name
    };
    const std::map<QString, Texts> expected = {
        { QString(),
            { { QStringLiteral("no folder is given"),
                  QString(),
                  QStringLiteral("Z:\\gone"),
                  QStringLiteral("the folder does not exist"),
                  QStringLiteral("the title holds a line break"),
                  QString(),
                  QStringLiteral("the variable %TORVEX_NOPE% is not defined"),
                  QStringLiteral("%TORVEX_NOPE%\\x") },
                QStringLiteral("Tools, no command, no folder is given"),
                { QStringLiteral("Tools, item|no command"),
                    QStringLiteral("Sub, submenu|1 entry"),
                    QStringLiteral("Docs, item|command cd Z:\\gone, target path cd Z:\\"),
                    QStringLiteral("separator|") },
                { QStringLiteral("Z:\\, drive, open"), QStringLiteral("%1, subfolder") } } },
        { QStringLiteral("de"),
            { { QStringLiteral("kein Ordner angegeben"),
                  QString(),
                  QStringLiteral("Z:\\gone"),
                  QStringLiteral("der Ordner ist nicht vorhanden"),
                  QStringLiteral("der Titel enthält einen Zeilenumbruch"),
                  QString(),
                  QStringLiteral("die Variable %TORVEX_NOPE% ist nicht definiert"),
                  QStringLiteral("%TORVEX_NOPE%\\x") },
                QStringLiteral("Tools, kein Befehl, kein Ordner angegeben"),
                { QStringLiteral("Tools, Eintrag|kein Befehl"),
                    QStringLiteral("Sub, Untermenü|1 Eintrag"),
                    QStringLiteral("Docs, Eintrag|Befehl cd Z:\\gone, Zielpfad cd Z:\\"),
                    QStringLiteral("Trenner|") },
                { QStringLiteral("Z:\\, Laufwerk, geöffnet"), QStringLiteral("%1, Unterordner") } } },
        { QStringLiteral("fr"),
            { { QStringLiteral("aucun dossier indiqué"),
                  QString(),
                  QStringLiteral("Z:\\gone"),
                  QStringLiteral("le dossier n'existe pas"),
                  QStringLiteral("le titre contient un saut de ligne"),
                  QString(),
                  QStringLiteral("la variable %TORVEX_NOPE% n'est pas définie"),
                  QStringLiteral("%TORVEX_NOPE%\\x") },
                QStringLiteral("Tools, aucune commande, aucun dossier indiqué"),
                { QStringLiteral("Tools, entrée|aucune commande"),
                    QStringLiteral("Sub, sous-menu|1 entrée"),
                    QStringLiteral("Docs, entrée|commande cd Z:\\gone, chemin cible cd Z:\\"),
                    QStringLiteral("séparateur|") },
                { QStringLiteral("Z:\\, lecteur, ouvert"), QStringLiteral("%1, sous-dossier") } } },
        { QStringLiteral("es"),
            { { QStringLiteral("no se indica ninguna carpeta"),
                  QString(),
                  QStringLiteral("Z:\\gone"),
                  QStringLiteral("la carpeta no existe"),
                  QStringLiteral("el título contiene un salto de línea"),
                  QString(),
                  QStringLiteral("la variable %TORVEX_NOPE% no está definida"),
                  QStringLiteral("%TORVEX_NOPE%\\x") },
                QStringLiteral("Tools, sin comando, no se indica ninguna carpeta"),
                { QStringLiteral("Tools, entrada|sin comando"),
                    QStringLiteral("Sub, submenú|1 entrada"),
                    QStringLiteral("Docs, entrada|comando cd Z:\\gone, ruta de destino cd Z:\\"),
                    QStringLiteral("separador|") },
                { QStringLiteral("Z:\\, unidad, abierta"), QStringLiteral("%1, subcarpeta") } } },
    };
    inEachLanguage(expected, [&](const QString &, const Texts &texts, const Language &) {
        startWindow("[DirMenu]\nmenu1=Tools\ncmd1=\nmenu2=-Sub\nmenu3=Docs\ncmd3=cd Z:\\gone\n"
                    "path3=cd Z:\\\nmenu4=--\nmenu5=-\nmenu6=Line\ncmd6=cd Z:\\\n"
                    "menu7=Unknown\ncmd7=cd %TORVEX_NOPE%\\x\n");
        MenuTree &tree = form->tree();
        tree.setTitle(tree.preOrder()[4], "Li\nne"); // a title no file holds
        form->show();
        trigger("viewProblems");
        form->findChild<QCheckBox *>(QStringLiteral("showUndecided"))->setChecked(true);
        const QAbstractItemModel *rows = widget<QAbstractItemView>("problemRows")->model();
        // The scan runs once the window is idle.
        for (int wait = 0; wait < 100 && rows->rowCount() < 4; ++wait)
            QTest::qWait(20);
        QStringList problems;
        for (int row = 0; row < rows->rowCount(); ++row)
            problems << rows->index(row, 3).data().toString()
                     << rows->index(row, 3).data(Qt::ToolTipRole).toString();
        EXPECT_EQ(problems.join(QLatin1Char('|')).toStdString(),
            texts.problems.join(QLatin1Char('|')).toStdString());
        EXPECT_EQ(rows->index(0, 0).data(Qt::AccessibleTextRole).toString().toStdString(),
            texts.problemRow.toStdString());

        const QAbstractItemModel *entries = widget<QAbstractItemView>("tview")->model();
        QStringList spoken;
        for (const QModelIndex &at : { entries->index(0, 0),
                 entries->index(1, 0),
                 entries->index(0, 0, entries->index(1, 0)),
                 entries->index(2, 0) })
            spoken << at.data(Qt::AccessibleTextRole).toString() + QLatin1Char('|')
                    + at.data(Qt::AccessibleDescriptionRole).toString();
        EXPECT_EQ(spoken.join(QLatin1Char('/')).toStdString(),
            texts.tree.join(QLatin1Char('/')).toStdString());

        const QAbstractItemModel *folders = widget<QAbstractItemView>("DirListBox")->model();
        ASSERT_GE(folders->rowCount(), 2);
        EXPECT_EQ(folders->index(0, 0).data(Qt::AccessibleTextRole).toString().toStdString(),
            texts.folders[0].toStdString());
        EXPECT_EQ(folders->index(1, 0).data(Qt::AccessibleTextRole).toString().toStdString(),
            texts.folders[1].arg(folders->index(1, 0).data().toString()).toStdString());
        form->session().setExitWithoutSaving(true);
    });
}

// ---- Texts of the core ----

// The parts of a core text that `translator` has no translation for, as "context / source".
QStringList untranslatedParts(const LocalText &text, const QTranslator &translator)
{
    QStringList missing;
    if (!text.isVerbatim() && !text.isJoined()) {
        const int count = text.count() ? static_cast<int>(*text.count()) : -1;
        if (translator.translate(text.context(), text.source(), nullptr, count).isEmpty())
            missing.append(QString::fromUtf8(text.context()) + QStringLiteral(" / ")
                + QString::fromUtf8(text.source()));
    }
    for (const LocalText &value : text.values())
        missing.append(untranslatedParts(value, translator));
    return missing;
}

// A core text, its values and its line breaks as the window shows it: English byte for byte
// without a translation, the language's own words with the values in place with one.
TEST(Translations, CoreTextsShowInTheInstalledLanguage)
{
    const LocalText text = closeAnywayText("C:\\%1\\wincmd.ini", true);
    EXPECT_EQ(shownText(text).toStdString(), text.english());
    EXPECT_EQ(text.english(),
        "The menu was not saved to C:\\%1\\wincmd.ini.\r\nThe window settings were not saved."
        "\r\n\r\nClose anyway?");
    const std::map<QString, QString> expected = {
        { QStringLiteral("de"),
            QStringLiteral("Das Menü wurde nicht in C:\\%1\\wincmd.ini gespeichert.\r\n"
                           "Die Fenstereinstellungen wurden nicht gespeichert.\r\n\r\n"
                           "Trotzdem schließen?") },
        { QStringLiteral("fr"),
            QStringLiteral("Le menu n'a pas été enregistré dans C:\\%1\\wincmd.ini.\r\n"
                           "Les paramètres de la fenêtre n'ont pas été enregistrés.\r\n\r\n"
                           "Fermer quand même ?") },
        { QStringLiteral("es"),
            QStringLiteral("El menú no se guardó en C:\\%1\\wincmd.ini.\r\n"
                           "No se guardó la configuración de la ventana.\r\n\r\n"
                           "¿Cerrar de todos modos?") },
    };
    inEachLanguage(expectedLanguages, [&](const QString &language, const Language &) {
        EXPECT_EQ(shownText(text).toStdString(), expected.at(language).toStdString());
    });
}

// The reasons of the problem list that its window test does not reach: over the limit (two
// numbers), a network path, a path without a drive, not a folder change; the command line keeps
// English.
TEST(Translations, ProblemReasonsShowInTheInstalledLanguage)
{
    DestinationCheck check;
    const auto reason = [&check](DestinationReason why) {
        check.reason = why;
        return destinationReasonLine(check);
    };
    const std::vector<LocalText> reasons = { overLimitReason(201),
        reason(DestinationReason::NetworkPath),
        reason(DestinationReason::NoDrive),
        reason(DestinationReason::NotFolderChange) };
    const std::map<QString, QString> expected = {
        { QString(),
            QStringLiteral("entry 201 of the file; the file manager reads 200|a network path|"
                           "a path without a drive, relative to the current folder|"
                           "not a folder change") },
        { QStringLiteral("de"),
            QStringLiteral("Eintrag 201 der Datei; der Dateimanager liest 200|ein Netzwerkpfad|"
                           "ein Pfad ohne Laufwerk, relativ zum aktuellen Ordner|"
                           "kein Ordnerwechsel") },
        { QStringLiteral("fr"),
            QStringLiteral("entrée 201 du fichier ; le gestionnaire de fichiers en lit 200|"
                           "un chemin réseau|un chemin sans lecteur, relatif au dossier courant|"
                           "pas un changement de dossier") },
        { QStringLiteral("es"),
            QStringLiteral("entrada 201 del archivo; el gestor de archivos lee 200|una ruta de red|"
                           "una ruta sin unidad, relativa a la carpeta actual|"
                           "no es un cambio de carpeta") },
    };
    inEachLanguage(expected, [&](const QString &, const auto &line, const Language &) {
        QStringList shown;
        for (const LocalText &text : reasons)
            shown.append(shownText(text));
        EXPECT_EQ(shown.join(QLatin1Char('|')).toStdString(), line.toStdString());
        EXPECT_EQ(reasons[0].english(), "entry 201 of the file; the file manager reads 200");
    });
}

// Counts take each language's plural forms; English keeps its texts ("1 items" included).
TEST(Translations, CountsTakeTheLanguagesPluralForms)
{
    const std::map<QString, QStringList> expected = {
        { QString(),
            { QStringLiteral(" 1 items"),
                QStringLiteral(" 2 items"),
                QStringLiteral(" 5 items") } },
        { QStringLiteral("de"),
            { QStringLiteral(" 1 Eintrag"),
                QStringLiteral(" 2 Einträge"),
                QStringLiteral(" 5 Einträge") } },
        { QStringLiteral("fr"),
            { QStringLiteral(" 1 élément"),
                QStringLiteral(" 2 éléments"),
                QStringLiteral(" 5 éléments") } },
        { QStringLiteral("es"),
            { QStringLiteral(" 1 elemento"),
                QStringLiteral(" 2 elementos"),
                QStringLiteral(" 5 elementos") } },
    };
    inEachLanguage(expected, [&](const QString &, const auto &counts, const Language &) {
        const QStringList shown {
            shownText(itemCountText(1)), shownText(itemCountText(2)), shownText(itemCountText(5))
        };
        EXPECT_EQ(shown.join(QLatin1Char('|')).toStdString(),
            counts.join(QLatin1Char('|')).toStdString());
    });
    const Language german(QStringLiteral("de"));
    ASSERT_TRUE(german.is(QStringLiteral("de")));
    EXPECT_EQ(shownText(itemLimitWarningText(1)),
        QStringLiteral("Total Commander zeigt nur die ersten 200 Einträge an!\r\n"
                       "Sie haben jetzt 1 Eintrag!"));
}

// The File commands' boxes through the window in each language: the core hands over its
// texts for translation, every part of them has one, and the English texts stay as they are.
TEST_F(WindowTranslationsTest, FileCommandBoxesSpeakTheUsersLanguage)
{
    inEachLanguage(expectedLanguages, [&](const QString &language, const Language &in) {
        const QTranslator &translator = in.translator;
        startWindow();
        boxes.reset();
        boxes.answer(MsgResult::Cancel);
        trigger("mnuFileExitWithoutSaving");
        ASSERT_EQ(boxes.boxes().size(), 1u);
        const auto &box = boxes.last();
        EXPECT_EQ(box.caption, " Exit without saving?");
        EXPECT_EQ(box.text, "Do you want to exit without saving any changes you might have made?");
        ASSERT_TRUE(box.localText && box.localCaption) << "shown without translation";
        EXPECT_EQ(
            untranslatedParts(*box.localText, translator).join(QStringLiteral("; ")), QString());
        EXPECT_EQ(
            untranslatedParts(*box.localCaption, translator).join(QStringLiteral("; ")), QString());
        EXPECT_EQ(shownText(*box.localCaption),
            translator.translate("torvex::FileCommands", " Exit without saving?"));
        if (language == QStringLiteral("de")) {
            EXPECT_EQ(shownText(*box.localCaption), QStringLiteral("Ohne Speichern beenden?"));
            EXPECT_EQ(shownText(*box.localText),
                QStringLiteral(
                    "Möchten Sie das Programm beenden, ohne Ihre Änderungen zu speichern?"));
        }
    });
}

// The editing core's messages through the window in each language: a search that finds
// nothing says so in the status bar and in a box, and a separator refuses a submenu.
TEST_F(WindowTranslationsTest, EditorMessagesSpeakTheUsersLanguage)
{
    const std::map<QString, QStringList> expected = {
        { QStringLiteral("de"),
            { QStringLiteral(" Durchsucht von 1 bis 2"),
                QStringLiteral("Nichts gefunden"),
                QStringLiteral(" Ein Trenner kann keine Einträge enthalten") } },
        { QStringLiteral("fr"),
            { QStringLiteral(" Recherche de 1 à 2"),
                QStringLiteral("Aucun résultat"),
                QStringLiteral(" Un séparateur ne peut pas contenir d'entrées") } },
        { QStringLiteral("es"),
            { QStringLiteral(" Buscado de 1 a 2"),
                QStringLiteral("No se encontró nada"),
                QStringLiteral(" Un separador no puede contener entradas") } },
    };
    inEachLanguage(expected, [&](const QString &, const auto &texts, const Language &in) {
        const QTranslator &translator = in.translator;
        startWindow("[DirMenu]\nmenu1=A\ncmd1=cd C:\\\nmenu2=-\n");
        boxes.reset();
        form->menuEditor().findEmptyCommands();
        EXPECT_EQ(widget<QLabel>("StatusPanel0")->text().toStdString(), texts[0].toStdString());
        ASSERT_EQ(boxes.boxes().size(), 1u);
        const auto &box = boxes.last();
        EXPECT_EQ(box.caption, " None found");
        ASSERT_TRUE(box.localText && box.localCaption) << "shown without translation";
        EXPECT_EQ(shownText(*box.localCaption).toStdString(), texts[1].toStdString());
        EXPECT_EQ(
            untranslatedParts(*box.localText, translator).join(QStringLiteral("; ")), QString());
        EXPECT_NE(shownText(*box.localText).toStdString(), box.text);

        form->tree().setSelected(form->tree().preOrder().back()); // the separator
        form->menuEditor().addSubMenu();
        EXPECT_EQ(widget<QLabel>("StatusPanel0")->text().toStdString(), texts[2].toStdString());
    });
}

// Undo steps are named in the user's language, the entry's title as it is, so that the Edit
// menu reads as one language.
TEST_F(WindowTranslationsTest, UndoStepsAreNamedInTheUsersLanguage)
{
    const std::map<QString, QString> expected = {
        { QStringLiteral("de"), QStringLiteral("&Rückgängig Nach oben: \"B\"") },
        { QStringLiteral("fr"), QStringLiteral("&Annuler Déplacer vers le haut : \"B\"") },
        { QStringLiteral("es"), QStringLiteral("&Deshacer Subir: \"B\"") },
    };
    inEachLanguage(expected, [&](const QString &, const auto &undoCaption, const Language &) {
        startWindow("[DirMenu]\nmenu1=A\ncmd1=cd C:\\\nmenu2=B\ncmd2=cd D:\\\n");
        form->tree().setSelected(form->tree().preOrder().back());
        trigger("mnuEditMoveUp");
        EXPECT_EQ(form->tree().preOrder().front()->title(), "B");
        EXPECT_EQ(widget<QAction>("mnuEditUndo")->text().toStdString(), undoCaption.toStdString());
    });
}

// The load and save steps through the window in each language: the notice bar's summary
// and the reasons in its details, the question before a save that removes those lines (its
// text, caption and buttons), and the status after the save.
TEST_F(WindowTranslationsTest, LoadAndSaveTextsSpeakTheUsersLanguage)
{
    struct Expected
    {
        const char *notice;
        const char *detail;
        const char *caption;
        const char *status;
    };
    const std::map<QString, Expected> expected = {
        { QStringLiteral("de"),
            { "Die Datei enthält 2 Zeilen, die das Menü nicht zeigt; Speichern entfernt sie.",
                "Zeile 2: ; by hand (ein Kommentar)",
                "Nicht gezeigte Zeilen",
                "  Gespeichert" } },
        { QStringLiteral("fr"),
            { "Le fichier contient 2 lignes que le menu n'affiche pas ; l'enregistrement les "
              "supprimera.",
                "ligne 2 : ; by hand (un commentaire)",
                "Lignes non affichées",
                "  Enregistré" } },
        { QStringLiteral("es"),
            { "El archivo contiene 2 líneas que el menú no muestra; al guardar se eliminarán.",
                "línea 2: ; by hand (un comentario)",
                "Líneas no mostradas",
                "  Guardado" } },
    };
    inEachLanguage(expected, [&](const QString &, const auto &texts, const Language &in) {
        const QTranslator &translator = in.translator;
        // A comment (line 2) and an entry past the numbering's end (line 5).
        startWindow("[DirMenu]\r\n; by hand\r\nmenu1=Home\r\ncmd1=cd c:\\\r\nmenu5=Far\r\n");
        EXPECT_EQ(widget<QLabel>("noticeText")->text().toStdString(), texts.notice);
        ASSERT_EQ(bar()->details().size(), 3);
        EXPECT_EQ(bar()->details()[0],
            translator.translate("torvex::DirMenuFindings",
                "Lines of the file that the menu does not show (saving "
                "removes them):"));
        EXPECT_EQ(bar()->details()[1].toStdString(), texts.detail);

        boxes.reset();
        boxes.answerChoice(0);
        save();
        ASSERT_EQ(boxes.boxes().size(), 1u);
        const auto &box = boxes.last();
        EXPECT_EQ(box.caption, "Lines not shown");
        ASSERT_TRUE(box.localText && box.localCaption) << "shown without translation";
        EXPECT_EQ(shownText(*box.localCaption).toStdString(), texts.caption);
        EXPECT_EQ(
            untranslatedParts(*box.localText, translator).join(QStringLiteral("; ")), QString());
        EXPECT_TRUE(shownText(*box.localText).startsWith(QString::fromUtf8(texts.notice)));
        ASSERT_EQ(box.localButtons.size(), 2u);
        for (const LocalText &button : box.localButtons)
            EXPECT_EQ(untranslatedParts(button, translator).join(QStringLiteral("; ")), QString());
        EXPECT_EQ(widget<QLabel>("StatusPanel0")->text().toStdString(), texts.status);
    });
}

// Show changes' summary counts with each language's plural forms, the first count naming the
// entries; English keeps its texts.
TEST(Translations, ChangesSummaryTakesTheLanguagesPluralForms)
{
    const std::map<QString, QStringList> expected = {
        { QString(),
            { QStringLiteral("1 entry added, 2 removed, 5 moved"),
                QStringLiteral("2 entries changed"),
                QStringLiteral("and 1 more"),
                QStringLiteral("1 entry not shown (the file manager reads 200)|5 entries not "
                               "shown (the file manager reads 200)") } },
        { QStringLiteral("de"),
            { QStringLiteral("1 Eintrag hinzugefügt, 2 entfernt, 5 verschoben"),
                QStringLiteral("2 Einträge geändert"),
                QStringLiteral("und 1 weitere"),
                QStringLiteral("1 Eintrag nicht gezeigt (der Dateimanager liest 200)|5 Einträge "
                               "nicht gezeigt (der Dateimanager liest 200)") } },
        { QStringLiteral("fr"),
            { QStringLiteral("1 entrée ajoutée, 2 supprimées, 5 déplacées"),
                QStringLiteral("2 entrées modifiées"),
                QStringLiteral("et 1 autre"),
                QStringLiteral(
                    "1 entrée non affichée (le gestionnaire de fichiers en lit 200)|5 "
                    "entrées non affichées (le gestionnaire de fichiers en lit 200)") } },
        { QStringLiteral("es"),
            { QStringLiteral("1 entrada añadida, 2 eliminadas, 5 movidas"),
                QStringLiteral("2 entradas modificadas"),
                QStringLiteral("y 1 más"),
                QStringLiteral("1 entrada no mostrada (el gestor de archivos lee 200)|5 entradas "
                               "no mostradas (el gestor de archivos lee 200)") } },
    };
    inEachLanguage(expected, [&](const QString &, const auto &texts, const Language &) {
        EXPECT_EQ(shownText(entryChangesText({ .added = 1, .removed = 2, .moved = 5 })), texts[0]);
        EXPECT_EQ(shownText(entryChangesText({ .changed = 2 })), texts[1]);
        // The list of a question counts what it leaves out.
        std::vector<DirMenuFinding> lines(questionListLimit + 1);
        const QString question = shownText(notShownQuestion(lines));
        EXPECT_TRUE(question.endsWith(QStringLiteral("\r\n") + texts[2])) << question.toStdString();
        EXPECT_EQ(
            shownText(leftOutText(1)) + QLatin1Char('|') + shownText(leftOutText(5)), texts[3]);
    });
}

// A changed entry's fields by the names the window gives them, its kinds and the top level
// in the language's words, from a submenu to the top level.
TEST(Translations, ChangedFieldsAreNamedInTheLanguage)
{
    DifferingEntry entry;
    entry.kind = DifferingEntry::Kind::Changed;
    entry.before = EntryPlace { .index = 1, .title = "Y", .titlePath = "S > Y", .submenu = "S" };
    entry.after = EntryPlace { .index = 1, .title = "Y", .titlePath = "Y", .submenu = "" };
    entry.fields = { { "target path", "x", "" }, { "kind", "item", "submenu" },
        { "place", "S", "the top level" } };
    const std::map<QString, QString> expected = {
        { QString(),
            QStringLiteral("Changed: S > Y: target path \"x\" -> \"\", kind item -> submenu, "
                           "place S -> the top level") },
        { QStringLiteral("de"),
            QStringLiteral("Geändert: S > Y: Zielpfad „x“ -> „“, Art Eintrag -> Untermenü, Ort S -> "
                           "oberste Ebene") },
        { QStringLiteral("fr"),
            QStringLiteral("Modifiée : S > Y : chemin cible « x » -> «  », type entrée -> sous-menu, "
                           "emplacement S -> niveau supérieur") },
        { QStringLiteral("es"),
            QStringLiteral("Modificada: S > Y: ruta de destino «x» -> «», tipo entrada -> submenú, "
                           "ubicación S -> nivel superior") },
    };
    EXPECT_EQ(differingEntryText(entry), expected.at(QString()).toStdString());
    inEachLanguage(expected, [&](const QString &, const auto &line, const Language &) {
        EXPECT_EQ(shownText(differingEntryLine(entry)).toStdString(), line.toStdString());
    });
}

// Show changes through the window in each language: the summary and a line of each kind, the
// words of the window's language around the titles and commands as they are.
TEST_F(WindowTranslationsTest, ShowChangesSpeaksTheUsersLanguage)
{
    const std::map<QString, QStringList> expected = {
        { QString(),
            { QStringLiteral("1 entry added, 1 removed, 1 changed, 1 moved"),
                QStringLiteral("Removed: Gone"),
                QStringLiteral(
                    "Changed: Tools > Ed: title \"Ed\" -> \"Editor\", command \"cd x\" -> \"cd e\""),
                QStringLiteral("Added: New"),
                QStringLiteral("Moved: Vim, from Tools (position 2) to the top level (position 3)") } },
        { QStringLiteral("de"),
            { QStringLiteral("1 Eintrag hinzugefügt, 1 entfernt, 1 geändert, 1 verschoben"),
                QStringLiteral("Entfernt: Gone"),
                QStringLiteral("Geändert: Tools > Ed: Titel „Ed“ -> „Editor“, Befehl „cd x“ -> „cd e“"),
                QStringLiteral("Hinzugefügt: New"),
                QStringLiteral(
                    "Verschoben: Vim, von Tools (Position 2) auf die oberste Ebene (Position 3)") } },
        { QStringLiteral("fr"),
            { QStringLiteral("1 entrée ajoutée, 1 supprimée, 1 modifiée, 1 déplacée"),
                QStringLiteral("Supprimée : Gone"),
                QStringLiteral(
                    "Modifiée : Tools > Ed : titre « Ed » -> « Editor », commande « cd x » -> « cd e »"),
                QStringLiteral("Ajoutée : New"),
                QStringLiteral(
                    "Déplacée : Vim, de Tools (position 2) au niveau supérieur (position 3)") } },
        { QStringLiteral("es"),
            { QStringLiteral("1 entrada añadida, 1 eliminada, 1 modificada, 1 movida"),
                QStringLiteral("Eliminada: Gone"),
                QStringLiteral(
                    "Modificada: Tools > Ed: título «Ed» -> «Editor», comando «cd x» -> «cd e»"),
                QStringLiteral("Añadida: New"),
                QStringLiteral(
                    "Movida: Vim, de Tools (posición 2) al nivel superior (posición 3)") } },
    };
    inEachLanguage(expected, [&](const QString &, const auto &texts, const Language &) {
        startWindow("[DirMenu]\nmenu1=A\ncmd1=cd a\nmenu2=-Tools\nmenu3=Editor\ncmd3=cd e\n"
                    "menu4=--\nmenu5=Vim\ncmd5=cd v\nmenu6=New\ncmd6=cd n\n");
        // Another program's menu: one entry more, one other, and Vim in the submenu.
        dir.write("wincmd.ini",
            "[DirMenu]\nmenu1=A\ncmd1=cd a\nmenu2=Gone\ncmd2=cd g\nmenu3=-Tools\nmenu4=Ed\n"
            "cmd4=cd x\nmenu5=Vim\ncmd5=cd v\nmenu6=--\n");
        trigger("mnuFileShowChanges");
        auto *changes = form->findChild<ChangesWindow *>(QStringLiteral("ChangesWindow"));
        ASSERT_NE(changes, nullptr);
        EXPECT_EQ(changes->summary().toStdString(), texts[0].toStdString());
        EXPECT_EQ(changes->entryLines().join(QLatin1Char('|')).toStdString(),
            texts.mid(1).join(QLatin1Char('|')).toStdString());
    });
}

// A drive button's hint names the drive in the user's language, its letter as it is.
TEST_F(WindowTranslationsTest, DriveButtonHintsNameTheDriveInTheUsersLanguage)
{
    const std::map<QString, QString> expected = {
        { QString(), QStringLiteral(" Local Disk (Z:); keys: Space or Z chooses it") },
        { QStringLiteral("de"), QStringLiteral(" Lokaler Datenträger (Z:); Tasten: Space oder Z") },
        { QStringLiteral("fr"), QStringLiteral(" Disque local (Z:); touches") },
        { QStringLiteral("es"), QStringLiteral(" Disco local (Z:); teclas") },
    };
    inEachLanguage(expected, [&](const QString &, const auto &hint, const Language &) {
        startWindow();
        const QString tip = widget<QAbstractButton>("DriveButtonZ")->toolTip();
        EXPECT_TRUE(tip.startsWith(hint)) << tip.toStdString();
    });
}

// The window's own boxes that were built of English strings: About, the missing help file,
// and a failed write, in each language with their values in place; the log keeps English.
TEST_F(WindowTranslationsTest, AboutHelpAndErrorBoxesSpeakTheUsersLanguage)
{
    const std::map<QString, QStringList> expected = {
        { QStringLiteral("de"),
            { QStringLiteral("Info"),
                QStringLiteral("Hilfedatei nicht gefunden"),
                QStringLiteral("Fehler"),
                QStringLiteral(
                    "In /nowhere/wincmd.ini kann nicht geschrieben werden\r\nNo space") } },
        { QStringLiteral("fr"),
            { QStringLiteral("À propos"),
                QStringLiteral("Fichier d'aide introuvable"),
                QStringLiteral("Erreur"),
                QStringLiteral("Impossible d'écrire dans /nowhere/wincmd.ini\r\nNo space") } },
        { QStringLiteral("es"),
            { QStringLiteral("Acerca de"),
                QStringLiteral("No se encuentra el archivo de ayuda"),
                QStringLiteral("Error"),
                QStringLiteral("No se puede escribir en /nowhere/wincmd.ini\r\nNo space") } },
    };
    inEachLanguage(expected, [&](const QString &, const auto &texts, const Language &in) {
        const QTranslator &translator = in.translator;
        startWindow();
        boxes.reset();
        trigger("mnuHelpAbout");
        trigger("mnuHelpHelp");
        form->files().reportSaveFailure(writeFailureText("/nowhere/wincmd.ini"), "No space");
        ASSERT_EQ(boxes.boxes().size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const auto &box = boxes.boxes()[i];
            ASSERT_TRUE(box.localText && box.localCaption) << "shown without translation";
            EXPECT_EQ(shownText(*box.localCaption), texts[static_cast<qsizetype>(i)]);
            EXPECT_EQ(untranslatedParts(*box.localText, translator).join(QStringLiteral("; ")),
                QString());
        }
        EXPECT_TRUE(boxes.boxes()[0].text.starts_with(form->session().appTitle()));
        EXPECT_EQ(shownText(*boxes.boxes()[2].localText), texts[3]);
        EXPECT_EQ(boxes.boxes()[2].text, "Unable to write to /nowhere/wincmd.ini\r\nNo space");
    });
}

// A save that the file refuses names the entry and what was refused in the user's language, the
// title as it is; the log keeps English.
TEST_F(WindowTranslationsTest, ARefusedEntryIsNamedInTheUsersLanguage)
{
    const Language in(QStringLiteral("de"));
    ASSERT_TRUE(in.is(QStringLiteral("de")));
    startWindow("[DirMenu]\nmenu1=Tools\ncmd1=cd C:\\\n");
    const std::string path = dir.file("wincmd.ini");
    form->tree().setCommand(form->tree().preOrder().front(), "cd a\nb");
    boxes.reset();
    boxes.answerChoice(0); // save although the entry cannot be stored as it is
    save();
    ASSERT_EQ(boxes.boxes().size(), 2u);
    const auto &box = boxes.last();
    ASSERT_TRUE(box.localText) << "shown without translation";
    EXPECT_EQ(shownText(*box.localText).toStdString(),
        "In " + path
            + " kann nicht geschrieben werden\r\nEintrag 1 „Tools“: der Befehl enthält einen "
              "Zeilenumbruch");
    EXPECT_EQ(box.text,
        "Unable to write to " + path + "\r\nEntry 1 \"Tools\": the command holds a line break");
}

// Reads the desktop entry's keys, localized ones included ("Comment[de]").
std::map<QString, QString> desktopEntry()
{
    QFile file(sourceFile(QStringLiteral("resources/linux/io.github.torvex.Torvex.desktop")));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    std::map<QString, QString> keys;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const auto equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            keys[line.left(equals)] = line.mid(equals + 1);
    }
    return keys;
}

TEST(Translations, DesktopEntryAndMetadataSpeakEveryShippedLanguage)
{
    const std::map<QString, QString> keys = desktopEntry();
    QFile file(sourceFile(QStringLiteral("resources/linux/io.github.torvex.Torvex.metainfo.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Each translatable element of the metadata (summary, the description's paragraphs and
    // items, the screenshot's caption) with the languages it is given in.
    std::map<QString, std::set<QString>> languagesOf; // English text -> languages
    QXmlStreamReader xml(&file);
    QString lastEnglish;
    int depthInReleases = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("releases"))
            ++depthInReleases;
        if (xml.isEndElement() && xml.name() == QLatin1String("releases"))
            --depthInReleases;
        if (!xml.isStartElement() || depthInReleases > 0)
            continue;
        const auto name = xml.name();
        if (name != QLatin1String("summary") && name != QLatin1String("p")
            && name != QLatin1String("li") && name != QLatin1String("caption"))
            continue;
        const QString language = xml.attributes().value(QLatin1String("xml:lang")).toString();
        const QString text = xml.readElementText().simplified();
        if (language.isEmpty()) {
            lastEnglish = text;
            languagesOf[text];
        } else {
            ASSERT_FALSE(lastEnglish.isEmpty()) << "a translation before its English text";
            EXPECT_NE(text, lastEnglish) << language.toStdString();
            languagesOf[lastEnglish].insert(language);
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    ASSERT_GE(languagesOf.size(), 8u);
    for (const QString &language : expectedLanguages) {
        SCOPED_TRACE(language.toStdString());
        for (const char *key : { "GenericName", "Comment", "Keywords" }) {
            const QString localized = QLatin1String(key) + QLatin1Char('[') + language + QLatin1Char(']');
            ASSERT_TRUE(keys.count(localized)) << key;
            EXPECT_NE(keys.at(localized), keys.at(QLatin1String(key)));
        }
        EXPECT_TRUE(keys.at(QStringLiteral("Keywords[") + language + QLatin1Char(']'))
                        .endsWith(QLatin1Char(';')));
        for (const auto &[english, languages] : languagesOf)
            EXPECT_TRUE(languages.count(language)) << "not translated: " << english.toStdString();
    }
}

} // namespace
} // namespace torvex
