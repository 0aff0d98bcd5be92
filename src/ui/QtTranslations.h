#pragma once
// Qt's own texts (the buttons of message boxes, the file dialogs) in the
// user's language, from the translations that Qt ships.

#include <QTranslator>

namespace torvana {

class QtTranslations {
public:
    QtTranslations() = default;
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Replaces the installed translation by the language's (0 English .. 3
    // Czech); English needs none. False when Qt's file for it is missing:
    // Qt's texts then stay English.
    bool Apply(int languageIndex);

private:
    QTranslator translator;
    bool installed = false;
};

}  // namespace torvana
