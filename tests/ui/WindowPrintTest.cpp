#include "WindowFixture.h"

#include <QMenu>
#include <QProgressBar>

#include "texts/MessageTable.h"

#include "ui/output/PrintReport.h"

#include <QAction>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>
#include <map>

namespace torvana {
namespace {

constexpr int KnockPage = 11;

// What printing must give back: which controls are hidden, which tabs show.
struct WindowLook {
    std::map<QString, bool> hidden;
    std::vector<bool> tabsShown;
    QWidget* statusParent = nullptr;
    QRect statusGeometry;
    QColor windowColour;

    bool operator==(const WindowLook&) const = default;
};

WindowLook LookOf(TFormHlav& w)
{
    WindowLook look;
    for (const QString& name : MainWindowPrintHiddenNames()) {
        if (auto* widget = w.findChild<QWidget*>(name)) {
            look.hidden[name] = widget->isHidden();
        }
    }
    for (int i = 0; i < w.Controls().pageControl1->count(); ++i) {
        look.tabsShown.push_back(w.Controls().pageControl1->isTabVisible(i));
    }
    look.statusParent = w.Controls().labelHlaseni->parentWidget();
    look.statusGeometry = w.Controls().labelHlaseni->geometry();
    look.windowColour = w.palette().color(QPalette::Window);
    return look;
}

int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF-")) {
        return 0;
    }
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int count = 0;
    for (auto pages = page.globalMatch(QString::fromLatin1(pdf)); pages.hasNext(); pages.next()) {
        ++count;
    }
    return count;
}

// Records the window's state each time its client area is painted, that
// is, while the page is printed.
class PaintProbe : public QObject {
public:
    explicit PaintProbe(TFormHlav& w) : w(w) { w.centralWidget()->installEventFilter(this); }
    ~PaintProbe() override { w.centralWidget()->removeEventFilter(this); }

    bool printingSeen = false;
    bool editArrowsSeen = false;
    bool otherTabSeen = false;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            printingSeen = w.PrintingFlag();
            editArrowsSeen = !w.findChild<QWidget*>(QStringLiteral("CurveMinusButton"))->isHidden();
            QTabWidget* pages = w.Controls().pageControl1;
            for (int i = 0; i < pages->count(); ++i) {
                otherTabSeen = otherTabSeen || (i != pages->currentIndex() && pages->isTabVisible(i));
            }
        }
        return false;
    }

private:
    TFormHlav& w;
};

TEST_F(WindowTest, EveryControlThatPrintingHidesIsInTheWindowOnce)
{
    TFormHlav& w = Start();
    for (const QString& name : MainWindowPrintHiddenNames() + CurveRowLabelNames()) {
        EXPECT_EQ(w.findChildren<QObject*>(name).size(), 1) << name.toStdString();
    }
}

TEST_F(WindowTest, PrintCommandsAreEnabled)
{
    TFormHlav& w = Start();
    EXPECT_TRUE(w.Controls().menuPrint->isEnabled());
    EXPECT_EQ(w.Controls().menuPrint->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_TRUE(w.Controls().speedButtonPrint->isEnabled());
    auto* pdf = w.findChild<QAction*>(QStringLiteral("MenuPrintPdf"));
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->text(), "Print to P&DF...");
}

// The PDF item speaks the window's language, and in every language its
// accelerator is one no other item of the File menu uses.
TEST_F(WindowTest, PrintToPdfFollowsTheLanguage)
{
    TFormHlav& w = Start();
    auto* pdf = w.findChild<QAction*>(QStringLiteral("MenuPrintPdf"));
    ASSERT_NE(pdf, nullptr);
    const QStringList expected{"Print to P&DF...", "Als &PDF drucken...", "Imprimer en &PDF...", "Tisk do &PDF..."};
    for (int language = LanguageCount - 1; language >= 0; --language) {
        w.MenuLanguageClick(language);
        EXPECT_EQ(pdf->text(), expected[language]);
        QString accelerators;
        for (const QAction* item : w.findChild<QMenu*>(QStringLiteral("MenuFile"))->actions()) {
            const qsizetype mark = item->text().indexOf(u'&');
            if (mark >= 0 && mark + 1 < item->text().size()) {
                const QChar key = item->text()[mark + 1].toUpper();
                EXPECT_FALSE(accelerators.contains(key)) << item->text().toStdString() << " in language " << language;
                accelerators += key;
            }
        }
        EXPECT_FALSE(pdf->statusTip().isEmpty()) << "language " << language;
    }
}

TEST_F(WindowTest, PrintToPdfWritesOnePageAndGivesTheWindowBack)
{
    TFormHlav& w = Start();
    w.Controls().pageControl1->setCurrentIndex(0);
    w.show();
    const WindowLook before = LookOf(w);
    dialogs.pdfAnswer = Dir() + "/view.pdf";
    PaintProbe probe(w);
    w.findChild<QAction*>(QStringLiteral("MenuPrintPdf"))->trigger();

    EXPECT_EQ(PdfPageCount(dialogs.pdfAnswer), 1);
    EXPECT_TRUE(sink.shown.empty());
    ASSERT_GT(probe.paints, 0);
    EXPECT_TRUE(probe.printingSeen);
    EXPECT_FALSE(probe.editArrowsSeen);
    EXPECT_FALSE(probe.otherTabSeen);

    EXPECT_FALSE(w.PrintingFlag());
    EXPECT_EQ(LookOf(w), before);
    // The status line keeps the printing date and hides when its countdown ends.
    const QString printed = w.Controls().labelHlaseni->text();
    EXPECT_TRUE(printed.startsWith("Date and time of printing:")) << printed.toStdString();
    Tick();
    EXPECT_EQ(w.Controls().labelHlaseni->text(), printed);
    EXPECT_FALSE(w.Controls().labelHlaseni->isHidden());
    EXPECT_EQ(w.Controls().labelHlaseni->palette().color(QPalette::Window), QColor(Qt::white));
    Tick(PrintMessageTicks);
    EXPECT_TRUE(w.Controls().labelHlaseni->isHidden());
}

// After printing, the date in a long time format is wider than the status
// line: it wraps over the hidden gauge instead of being cut off, beside the
// connection label; the next short text takes one line again.
TEST_F(WindowTest, PrintingDateStaysWholeOnScreenAfterPrinting)
{
    const QLocale systemLocale;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TFormHlav& w = Start();
    w.MenuLanguageClick(2);
    w.show();
    QLabel* status = w.Controls().labelHlaseni;
    const int oneLine = status->height();
    dialogs.pdfAnswer = Dir() + "/view.pdf";
    w.findChild<QAction*>(QStringLiteral("MenuPrintPdf"))->trigger();
    Tick();
    QLocale::setDefault(systemLocale);

    ASSERT_GT(status->fontMetrics().horizontalAdvance(status->text()), status->contentsRect().width())
        << status->text().toStdString();
    EXPECT_LE(status->heightForWidth(status->width()), status->height()) << status->text().toStdString();
    EXPECT_TRUE(w.Controls().cGauge->isHidden());
    EXPECT_FALSE(status->geometry().intersects(w.Controls().labelSpojeni->geometry()));
    EXPECT_TRUE(status->parentWidget()->rect().contains(status->geometry()));

    w.MenuLanguageClick(0);
    w.MenuProgramClick();
    ASSERT_TRUE(TickUntilIdle());
    EXPECT_EQ(status->text(), "Verify: OK");
    EXPECT_EQ(status->height(), oneLine);
}

TEST_F(WindowTest, PrintingTheKnockPageKeepsTheTabsTheModesAllow)
{
    TFormHlav& w = Start();
    w.Controls().pageControl1->setCurrentIndex(KnockPage);
    const WindowLook before = LookOf(w);
    dialogs.pdfAnswer = Dir() + "/knock.pdf";
    w.MenuPrintPdfClick();
    EXPECT_EQ(PdfPageCount(dialogs.pdfAnswer), 1);
    EXPECT_EQ(LookOf(w), before);
    EXPECT_EQ(w.Controls().pageControl1->currentIndex(), KnockPage);
}

TEST_F(WindowTest, UnwritablePdfIsReportedAndTheWindowComesBack)
{
    TFormHlav& w = Start();
    const WindowLook before = LookOf(w);
    dialogs.pdfAnswer = Dir() + "/no-such-folder/view.pdf";
    w.MenuPrintPdfClick();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_NE(sink.shown[0].find("no-such-folder/view.pdf"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dialogs.pdfAnswer));
    EXPECT_FALSE(w.PrintingFlag());
    EXPECT_EQ(LookOf(w), before);
}

TEST_F(WindowTest, CancelledPdfDialogPrintsNothing)
{
    TFormHlav& w = Start();
    w.MenuPrintPdfClick();
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_TRUE(w.Controls().labelHlaseni->isHidden());
}

TEST_F(WindowTest, PrintButtonWithoutADefaultPrinterSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    TFormHlav& w = Start();
    const WindowLook before = LookOf(w);
    w.Controls().speedButtonPrint->click();
    MessageTable english;
    SetMessageTexts(english, English);
    EXPECT_EQ(sink.shown, std::vector<std::string>{english.TextNoDefaultPrinter});
    EXPECT_FALSE(w.PrintingFlag());
    EXPECT_EQ(LookOf(w), before);
}

}  // namespace
}  // namespace torvana

namespace torvana {
namespace {

// The throttle row labels printed white get their colours back, and the
// marking of the row in use goes on after printing.
TEST_F(WindowTest, RowLabelsKeepTheirMarkingAfterPrinting)
{
    TFormHlav& w = Start();
    w.Controls().pageControl1->setCurrentIndex(0);
    w.show();
    Tick(30);
    ASSERT_GT(w.Live().LiveRpm, 0);
    const auto colours = [&w] {
        QStringList seen;
        for (const QString& name : CurveRowLabelNames()) {
            seen << w.findChild<QLabel*>(name)->palette().color(QPalette::Window).name();
        }
        return seen;
    };
    const QStringList marked = colours();
    ASSERT_TRUE(marked.contains(QColor(0, 255, 0).name()));
    dialogs.pdfAnswer = Dir() + "/view.pdf";
    w.MenuPrintPdfClick();
    EXPECT_EQ(colours(), marked);
    Tick();
    EXPECT_EQ(colours(), marked);
}

}  // namespace
}  // namespace torvana
