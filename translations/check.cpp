// veltrane-translations-check: every shipped language as its player meets it. Each text the code
// asks for translated and none left over, the placeholders of each source kept, distinct access
// keys in every menu, every text inside its widget in the real windows at the game's fixed sizes,
// and the language's help texts, ENTER HERE and Click Here pictures, desktop entry and metainfo
// there. Prints a line per language with its faults below; exits 1 when any language is short of
// complete or has a fault. scripts/translations runs it after refreshing the translation sources
// from the code, and the test suite runs it at two resolutions.

#include "board/frm_board.h"
#include "game/game.h"
#include "game/random_source.h"
#include "help/frm_help.h"
#include "platform/program_folder.h"
#include "platform/translations.h"
#include "shell/frm_splash.h"
#include "shell/frm_win.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QKeySequence>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

const QString kSources = QStringLiteral(VELTRANE_SOURCE_DIR);

struct Message {
    QString context;
    QString source;
    // The translation's forms: one, or one per plural form of the language for a text with %n.
    QStringList translation;
    QString type; // empty when finished; "unfinished", "obsolete" or "vanished"
};

// A translation's text, or its plural forms: reading the element whole would stop the reader at
// the first <numerusform>, and every message after it would go unread.
QStringList readTranslation(QXmlStreamReader& xml) {
    QStringList forms;
    QString text;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("numerusform")) {
            forms << xml.readElementText();
        } else if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::EndElement &&
                   xml.name() == QLatin1String("translation")) {
            break;
        }
    }
    if (forms.isEmpty() && !text.isEmpty()) {
        forms << text;
    }
    forms.removeAll(QString());
    return forms;
}

QList<Message> readSource(const QString& path) {
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == QLatin1String("source") && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = readTranslation(xml);
        }
    }
    return messages;
}

QString key(const Message& m) {
    return m.context + QLatin1Char('|') + m.source;
}

// What the code asks to translate today, as lupdate finds it in the game's layers.
QSet<QString> textsInTheCode() {
    static const QSet<QString> texts = [] {
        QTemporaryDir folder;
        const QString all = folder.filePath(QStringLiteral("all.ts"));
        QProcess lupdate;
        lupdate.setWorkingDirectory(kSources);
        lupdate.start(QStringLiteral(VELTRANE_LUPDATE),
                      {QStringLiteral("board"), QStringLiteral("help"), QStringLiteral("platform"),
                       QStringLiteral("shell"), QStringLiteral("-locations"),
                       QStringLiteral("none"), QStringLiteral("-silent"), QStringLiteral("-ts"),
                       all});
        lupdate.waitForFinished(60000);
        QSet<QString> keys;
        for (const Message& m : readSource(all)) {
            keys.insert(key(m));
        }
        return keys;
    }();
    return texts;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text);
    while (it.hasNext()) {
        found << it.next().captured();
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

// A menu's entries by their access keys; a key used twice, or an entry without one, is a fault.
void checkAccessKeys(const QString& where, const QList<QAction*>& actions, QStringList& faults) {
    QSet<int> keys;
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
        if (mnemonic.isEmpty()) {
            faults << where + QStringLiteral(": no access key in \"") + action->text() + '"';
        } else if (keys.contains(mnemonic[0].toCombined())) {
            faults << where + QStringLiteral(": access key of \"") + action->text() +
                          QStringLiteral("\" used twice");
        }
        keys.insert(mnemonic[0].toCombined());
    }
}

// Text in a widget of a fixed size: what the style asks for it must fit.
void checkFits(const QString& where, const QString& text, int needed, int room,
               QStringList& faults) {
    if (needed > room) {
        faults << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                      .arg(where, text)
                      .arg(needed)
                      .arg(room);
    }
}

void checkButton(const QString& where, const QPushButton* button, QStringList& faults) {
    checkFits(where, button->text(), button->sizeHint().width(), button->width(), faults);
}

// A title in the title bar, beside the window manager's buttons.
void checkTitle(const QWidget* window, int buttons, QStringList& faults) {
    const QFontMetrics metrics(QApplication::font());
    checkFits(window->metaObject()->className(), window->windowTitle(),
              metrics.horizontalAdvance(window->windowTitle()), window->width() - buttons, faults);
}

// Builds the real windows with the translation installed and measures them.
QStringList checkWindows() {
    QStringList faults;
    veltrane::SeededRandomSource random(1);
    veltrane::Game game(random);
    auto* board = new frm_board(game);
    board->Form_Load();
    board->show();
    QMenuBar* bar = board->menuBar();
    const QList<QAction*> menus = bar->actions();
    checkAccessKeys(QStringLiteral("menu bar"), menus, faults);
    for (QAction* menu : menus) {
        const QRect at = bar->actionGeometry(menu);
        checkFits(QStringLiteral("menu bar"), menu->text(), at.right() + 1, bar->width(), faults);
        if (at.top() != bar->actionGeometry(menus.first()).top()) {
            faults << QStringLiteral("menu bar: \"%1\" on a second row").arg(menu->text());
        }
        checkAccessKeys(menu->text(), menu->menu()->actions(), faults);
    }
    checkTitle(board, 100, faults);
    delete board;

    veltrane::GameState state{};
    auto* help = new frm_help(state);
    for (const QPushButton* button : help->findChildren<QPushButton*>()) {
        checkButton(QStringLiteral("Help"), button, faults);
    }
    checkTitle(help, 30, faults);
    delete help;

    auto* win = new frm_win;
    win->Form_Load();
    checkButton(QStringLiteral("win dialog"), win->btn_OK, faults);
    // The picture's words, told to a screen reader, stand for a box 150 pixels wide.
    const QString wellDone = frm_win::tr("Well Done!");
    checkFits(QStringLiteral("win dialog"), wellDone,
              QFontMetrics(win->font()).horizontalAdvance(wellDone), 150, faults);
    checkTitle(win, 30, faults);
    delete win;

    auto* splash = new frm_splash(game);
    splash->resize(401, 405);
    checkTitle(splash, 30, faults);
    delete splash;
    return faults;
}

bool validUtf8WithCrLf(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return !utf8.hasError() && !text.isEmpty() && bytes.count('\n') == bytes.count("\r\n") &&
           bytes.endsWith("\r\n");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool allComplete = true;
    const QStringList sources = QDir(kSources + QStringLiteral("/translations"))
                                    .entryList({QStringLiteral("veltrane_*.ts")}, QDir::Files);
    QStringList languages;
    for (const QString& source : sources) {
        languages << source.mid(9).chopped(3);
    }
    if (QSet<QString>(languages.begin(), languages.end()) !=
        QSet<QString>(veltrane::platform::ShippedLanguages().begin(),
                      veltrane::platform::ShippedLanguages().end())) {
        std::printf("translations/*.ts and ShippedLanguages() name different languages\n");
        allComplete = false;
    }
    const QSet<QString> code = textsInTheCode();
    QFile desktop(kSources + QStringLiteral("/packaging/veltrane.desktop"));
    QFile metainfo(kSources + QStringLiteral("/packaging/veltrane.metainfo.xml.in"));
    if (code.isEmpty() || !desktop.open(QIODevice::ReadOnly) ||
        !metainfo.open(QIODevice::ReadOnly)) {
        std::printf("lupdate found no texts in the code, or the desktop files are missing\n");
        return 1;
    }
    const QByteArray entry = desktop.readAll();
    const QByteArray software = metainfo.readAll();

    for (const QString& language : languages) {
        QStringList faults;
        int finished = 0;
        int unfinished = 0;
        int obsolete = 0;
        QSet<QString> translated;
        for (const Message& m : readSource(kSources + QStringLiteral("/translations/veltrane_") +
                                           language + QStringLiteral(".ts"))) {
            if (m.type == QLatin1String("obsolete") || m.type == QLatin1String("vanished") ||
                !code.contains(key(m))) {
                ++obsolete;
            } else if (!m.type.isEmpty() || m.translation.isEmpty()) {
                ++unfinished;
            } else {
                ++finished;
                translated.insert(key(m));
                for (const QString& form : m.translation) {
                    if (placeholders(m.source) != placeholders(form)) {
                        faults << QStringLiteral("placeholders differ: \"%1\"").arg(m.source);
                    }
                }
                if (m.source.contains(QLatin1String("%n")) &&
                    !m.translation.join(QString()).contains(QLatin1String("%n"))) {
                    faults << QStringLiteral("no %n in any form of \"%1\"").arg(m.source);
                }
            }
        }
        const qsizetype missing = (code - translated).size() - unfinished;

        QTranslator translator;
        if (translator.load(QStringLiteral("veltrane_") + language,
                            veltrane::platform::ProgramFolder() +
                                QStringLiteral("/translations"))) {
            QCoreApplication::installTranslator(&translator);
            faults << checkWindows();
            QCoreApplication::removeTranslator(&translator);
        } else {
            faults << QStringLiteral("the built translation does not load");
        }

        const QString splashBand = QStringLiteral(":/pictures/enter_") + language;
        if (QImage(splashBand + QStringLiteral(".png")).size() != QSize(380, 17) ||
            QImage(splashBand + QStringLiteral("@2x.png")).size() != QSize(760, 34)) {
            faults << QStringLiteral("no ENTER HERE picture (build target regenerate_pictures)");
        }
        const QString clickCard = QStringLiteral(":/pictures/click_") + language;
        if (QImage(clickCard + QStringLiteral(".png")).size() != QSize(72, 100) ||
            QImage(clickCard + QStringLiteral("@2x.png")).size() != QSize(144, 200)) {
            faults << QStringLiteral("no Click Here picture (build target regenerate_pictures)");
        }
        for (const char* help : {"rules.txt", "orvik.txt"}) {
            QFile file(kSources + QStringLiteral("/assets/") + language + QLatin1Char('/') +
                       QLatin1String(help));
            if (!file.open(QIODevice::ReadOnly) || !validUtf8WithCrLf(file.readAll())) {
                faults << QStringLiteral("%1 missing, or not UTF-8 with CR LF").arg(help);
            }
        }
        for (const char* field : {"Name", "GenericName", "Comment", "Keywords"}) {
            if (!entry.contains(QStringLiteral("\n%1[%2]=").arg(field, language).toUtf8())) {
                faults << QStringLiteral("desktop entry: no %1[%2]").arg(field, language);
            }
        }
        if (software.count(QStringLiteral("xml:lang=\"%1\"").arg(language).toUtf8()) < 4) {
            faults << QStringLiteral("metainfo: name, summary or description not translated");
        }

        std::printf("%-6s %3d finished  %3d unfinished  %3lld missing  %3d obsolete  %s\n",
                    qPrintable(language), finished, unfinished, static_cast<long long>(missing),
                    obsolete, faults.isEmpty() ? "ok" : "FAULTS:");
        for (const QString& fault : faults) {
            std::printf("         %s\n", qPrintable(fault));
        }
        std::fflush(stdout);
        allComplete = allComplete && unfinished + missing == 0 && faults.isEmpty();
    }
    return allComplete ? 0 : 1;
}
