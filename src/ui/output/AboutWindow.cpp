#include "ui/output/AboutWindow.h"

#include "texts/MessageTable.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <array>
#include <cctype>

namespace torvana {

namespace {

constexpr QRect PictureGeometry{10, 8, 634, 481};
constexpr QPoint DateAt{16, 505};
constexpr QPoint TimeAt{168, 505};
constexpr QRect ExitGeometry{600, 497, 35, 29};
constexpr int SmallFontPixels = 11;
constexpr int ExitFontPixels = 23;
constexpr const char* DesignedCaption = "Torvana";
// Month, day (a blank before a single digit) and year, as the compiler writes them.
constexpr const char* DatePattern = "aaa _0 0000";
constexpr const char* TimePattern = "00:00:00";  // a digit where each 0 stands

QFont DesignFont(int pixelSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* BlackLabel(QWidget* parent, const std::string& text, int pixelSize)
{
    auto* label = new QLabel(QString::fromStdString(text), parent);
    label->setFont(DesignFont(pixelSize));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

}  // namespace

std::string BuildDateText(std::string_view compilerDate)
{
    const std::string_view pattern = DatePattern;
    if (compilerDate.size() != pattern.size()) {
        return {};
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const auto c = static_cast<unsigned char>(compilerDate[i]);
        const bool fits = (pattern[i] == 'a' && std::isalpha(c) != 0) || (pattern[i] == '0' && std::isdigit(c) != 0) ||
                          (pattern[i] == '_' && (c == ' ' || std::isdigit(c) != 0)) || (pattern[i] == ' ' && c == ' ');
        if (!fits) {
            return {};
        }
    }
    return std::string(compilerDate);
}

std::string BuildTimeText(std::string_view compilerTime)
{
    const std::string_view pattern = TimePattern;
    if (compilerTime.size() != pattern.size()) {
        return {};
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool digitWanted = pattern[i] == '0';
        const bool digit = std::isdigit(static_cast<unsigned char>(compilerTime[i])) != 0;
        if (digitWanted != digit || (!digitWanted && compilerTime[i] != pattern[i])) {
            return {};
        }
    }
    return std::string(compilerTime);
}

std::string AboutCaption(int languageIndex)
{
    static constexpr std::array<const char*, LanguageCount> captions = {
        "About Torvana_R", "\u00dcber Programm Torvana_R", "Information Torvana_R", "O programu Torvana_R"};
    return captions[LanguageSlot(languageIndex)];
}

QPoint CentredPosition(QSize screen, QSize window)
{
    return {screen.width() / 2 - window.width() / 2, screen.height() / 2 - window.height() / 2};
}

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TFormAbout"));
    setWindowTitle(QString::fromLatin1(DesignedCaption));
    setModal(true);
    resize(AboutWindowSize);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(PictureGeometry);
    picture->setPixmap(QPixmap(QStringLiteral(":/about/AboutPicture.jpg")));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // FormCreate: the build stamp of this file, the same in every language.
    auto* labelDate = BlackLabel(this, BuildDateText(__DATE__), SmallFontPixels);
    labelDate->setObjectName(QStringLiteral("LabelDate"));
    labelDate->move(DateAt);
    auto* labelTime = BlackLabel(this, BuildTimeText(__TIME__), SmallFontPixels);
    labelTime->setObjectName(QStringLiteral("LabelTime"));
    labelTime->move(TimeAt);

    labelExit = BlackLabel(this, "OK", ExitFontPixels);
    labelExit->setObjectName(QStringLiteral("LabelExit"));
    labelExit->setGeometry(ExitGeometry);
    labelExit->setCursor(Qt::PointingHandCursor);
    labelExit->installEventFilter(this);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(CentredPosition(screen->size(), size()));
    }
}

void TFormAbout::FormActivate(int languageIndex)
{
    setWindowTitle(QString::fromStdString(AboutCaption(languageIndex)));
}

void TFormAbout::ShowModal(int languageIndex)
{
    FormActivate(languageIndex);
    exec();
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == labelExit && event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace torvana
