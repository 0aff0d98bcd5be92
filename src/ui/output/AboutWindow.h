#pragma once
// TFormAbout: the About window with the product picture and the date and
// time at which the program was built. Created once, shown modally, hidden
// again by "OK" or the close box.

#include <QDialog>
#include <QPoint>
#include <QSize>
#include <string>
#include <string_view>

class QLabel;

namespace torvana {

constexpr QSize AboutWindowSize{662, 568};

// The compiler's build date ("Dec  9 2026", "May 19 2005"), unchanged when
// it has that form; empty otherwise.
std::string BuildDateText(std::string_view compilerDate);
// The compiler's build time ("22:38:51"), unchanged when it has that form;
// empty otherwise.
std::string BuildTimeText(std::string_view compilerTime);

// The window caption for LanguageIndex; values outside 0 to 3 count as English.
std::string AboutCaption(int languageIndex);

// Top-left corner that centres window on screen, each half rounded towards
// zero; negative when the window is larger than the screen.
QPoint CentredPosition(QSize screen, QSize window);

class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // Sets the caption for the language; done each time the window is shown.
    void FormActivate(int languageIndex);
    // FormActivate, then shows the window modally until it is closed.
    void ShowModal(int languageIndex);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* labelExit = nullptr;
};

}  // namespace torvana
