#include "ui/QtTranslations.h"

#include "texts/MessageTable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <array>

namespace torvana {

namespace {

// Qt's file names for the languages, by LanguageIndex; English is Qt's own.
constexpr std::array<const char*, LanguageCount> QtFiles = {"", "qtbase_de", "qtbase_fr", "qtbase_cs"};

}  // namespace

QtTranslations::~QtTranslations()
{
    if (installed) {
        QCoreApplication::removeTranslator(&translator);
    }
}

bool QtTranslations::Apply(int languageIndex)
{
    if (installed) {
        QCoreApplication::removeTranslator(&translator);
        installed = false;
    }
    const QString file = QString::fromLatin1(QtFiles[LanguageSlot(languageIndex)]);
    if (file.isEmpty()) {
        return true;
    }
    if (!translator.load(file, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    installed = QCoreApplication::installTranslator(&translator);
    return installed;
}

}  // namespace torvana
