#include "platform/translations.h"

#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace veltrane::platform {

namespace {

QString& chosenLanguage() {
    static QString language;
    return language;
}

// Fills %1..%9 from args in one pass over the text.
QString fill(const QString& text, const QStringList& args) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('%') && i + 1 < text.size()) {
            const int n = text.at(i + 1).digitValue();
            if (n >= 1 && n <= args.size()) {
                out += args.at(n - 1);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// The translators installed, so that installing again (a test, another language) replaces them.
std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// Installs the translation file if it reads as one and holds any text; otherwise nothing.
bool install(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder) || translator->isEmpty()) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    return true;
}

} // namespace

const QStringList& ShippedLanguages() {
    static const QStringList languages = {
        QStringLiteral("de"),    QStringLiteral("fr"),   QStringLiteral("es"), QStringLiteral("it"),
        QStringLiteral("pt_BR"), QStringLiteral("pl"),   QStringLiteral("ru"), QStringLiteral("nl"),
        QStringLiteral("ja"),    QStringLiteral("zh_CN")};
    return languages;
}

QString ChooseLanguage(const QStringList& uiLanguages) {
    for (QString wanted : uiLanguages) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        // English is the source text: a player who puts it before another language gets it.
        if (wanted == QLatin1String("C") || wanted == QLatin1String("POSIX") ||
            wanted == QLatin1String("en") || wanted.startsWith(QLatin1String("en_"))) {
            return {};
        }
        // Language by language: "pt_BR" itself, then "pt"; "zh_Hans_CN" also as "zh_CN".
        const QStringList parts = wanted.split(QLatin1Char('_'));
        QStringList candidates = {wanted};
        if (parts.size() == 3) {
            candidates << parts.at(0) + QLatin1Char('_') + parts.at(2);
        }
        candidates << parts.at(0);
        for (const QString& candidate : candidates) {
            if (ShippedLanguages().contains(candidate)) {
                return candidate;
            }
        }
    }
    return {};
}

QString InstallTranslations() {
    return InstallTranslations(QLocale().uiLanguages(),
                               ProgramFolder() + QStringLiteral("/translations"));
}

QString InstallTranslations(const QStringList& uiLanguages, const QString& folder) {
    for (const std::unique_ptr<QTranslator>& translator : installed()) {
        QCoreApplication::removeTranslator(translator.get());
    }
    installed().clear();
    // Each part on its own: the help texts of the language are read even if its translation
    // file is broken, and Qt's words come whether or not the game's did.
    QString language = ChooseLanguage(uiLanguages);
    chosenLanguage() = language;
    if (language.isEmpty()) {
        return {};
    }
    install(QStringLiteral("veltrane_") + language, folder);
    // Qt's own words (the message box's OK), from the same language or its parent.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    install(QStringLiteral("qtbase_") + language, qtFolder) ||
        install(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0), qtFolder);
    return language;
}

QString GameLanguage() {
    return chosenLanguage();
}

QString TranslateFilled(const char* context, const char* source, const QStringList& args) {
    const QString english = QString::fromUtf8(source);
    QString text = QCoreApplication::translate(context, source);
    for (qsizetype n = 1; n <= args.size(); ++n) {
        const QString mark = QLatin1Char('%') + QString::number(n);
        if (english.contains(mark) && !text.contains(mark)) {
            text = english;
            break;
        }
    }
    return fill(text, args);
}

} // namespace veltrane::platform
