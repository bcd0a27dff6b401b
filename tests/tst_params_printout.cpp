// The Printing page and the printed parameter sheet: the page's controls, the
// sheet's layout, and PDFs made through the real print path and read back
// with poppler's tools.
#include "BuiltInTexts.h"
#include "DialogRecorder.h"
#include "LanguageTable.h"
#include "PdfChoice.h"
#include "ParameterSheet.h"
#include "PrintingPage.h"
#include "PrintoutTexts.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

using namespace qx;

namespace {

// A4 portrait within those margins, in 1/600 in.
const QSizeF A4Printable((210 / 25.4 * 72 - 2 * MarginPt) * 600 / 72, (297 / 25.4 * 72 - 2 * MarginPt) * 600 / 72);

constexpr qreal pointsOf(qreal units)
{
    return units * 72 / 600;
}

struct Word
{
    QString text;
    QRectF box; // points, y down
};

struct PdfPage
{
    QSizeF size;
    QList<Word> words;
};

// What a poppler tool wrote, or why it could not run.
struct ToolRun
{
    QString output;
    QString failure;
};

ToolRun runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {{}, program + QStringLiteral(" is missing: install poppler-utils")};
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {{}, program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError())};
    return {QString::fromUtf8(process.readAllStandardOutput()), {}};
}

// The page of pdftotext -bbox output. The sheet's texts hold no "&", "<" or ">".
PdfPage parseBoxes(const QString &html)
{
    static const QRegularExpression pageTag(QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression wordTag(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    PdfPage page;
    const QRegularExpressionMatch size = pageTag.match(html);
    page.size = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    for (auto it = wordTag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        page.words.append({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return page;
}

const Word *findWord(const PdfPage &page, const QString &text)
{
    const auto found = std::find_if(page.words.begin(), page.words.end(),
                                    [&](const Word &word) { return word.text == text; });
    return found == page.words.end() ? nullptr : &*found;
}

// The names of the value labels, which are also their design texts.
QStringList valueNames()
{
    QStringList names;
    for (int row = 1; row <= SheetRows; ++row) {
        const QString name = QStringLiteral("Par%1").arg(row, 2, 10, QLatin1Char('0'));
        names << (row == 11 || row == 13 ? QStringList{name + "_1", name + "_2"} : QStringList{name});
    }
    return names;
}

// A fitter's sheet in Polish; row 20's caption is too long for its column.
const QString Heading = QStringLiteral("Parametry systemu");
constexpr int LongCaptionRow = 20;
const QString LongCaption = QStringLiteral("Zażółć gęślą jaźń: tryb pracy sterownika");
const QStringList Captions{
    "Rodzaj sondy lambda", "Próg sondy lambda", "Obroty dla przejścia B/G", "Typ czujnika TPS", "Próg czujnika TPS",
    "Silnik krok pow. TPS", "Silnik krok pon. TPS", "Maksymalne obroty na gazie", "Rodzaj obrotów", "Delta obrotów",
    "Min. i Max. silnika krok.", "Start. pow. silnika krok.", "Czas sondy Lambda", "Opóźnienie startowe",
    "Włączenie cutoff", "Silnik krokowy przy cutoff", "Obroty silnika dla cutoff", "Otwarcie silnika krokowego",
    "czas nakladania paliw", LongCaption, "Typ szkiełka rezerwy", "Wybor ukladu zapłonowego", "Temperatura",
};
const QStringList Values{"0,8 - 1,6 [V]", "0,45", "2500", "rosnący", "1,25", "3", "6", "7000", "malejące",
                         "500", "10", "100", "500", "1", "1", "30", "1500", "30", "100", "dynamiczna", "90R",
                         "Podwójna cewka", "40"};
const QStringList SecondValues{"200", "750"}; // rows 11 and 13

// The heading and captions; the values keep the labels' names, one word each
// that finds its row in the PDF.
void fillCaptions(PrintingPage &page)
{
    page.setHeading(Heading);
    for (int row = 1; row <= SheetRows; ++row)
        page.setCaption(row, Captions[row - 1]);
}

QString secondValueOf(int row)
{
    return row == 11 ? SecondValues[0] : row == 13 ? SecondValues[1] : QString();
}

// One row of the printed sheet.
struct PrintedRow
{
    QList<Word> caption; // left to right
    Word value;
    std::optional<Word> second;
};

// The rows of a sheet printed with the design values, top to bottom.
void readRows(const PdfPage &pdf, QList<PrintedRow> &rows)
{
    for (const QString &name : valueNames()) {
        const Word *value = findWord(pdf, name);
        QVERIFY2(value, qPrintable(name));
        if (name.endsWith(QLatin1String("_2"))) {
            rows.last().second = *value;
            continue;
        }
        PrintedRow row{{}, *value, std::nullopt};
        for (const Word &word : pdf.words) {
            const qreal middle = word.box.center().y();
            if (word.box.right() < value->box.left() && middle > value->box.top() && middle < value->box.bottom())
                row.caption << word;
        }
        QVERIFY2(!row.caption.isEmpty(), qPrintable(name));
        rows << row;
    }
}

// Within a rounding of the printable area: a shrunk sheet reaches its bottom.
void checkInsidePrintableArea(const PdfPage &pdf)
{
    const qreal edge = MarginPt - 0.05;
    const QRectF printable = QRectF(QPointF(), pdf.size).adjusted(edge, edge, -edge, -edge);
    for (const Word &word : pdf.words)
        QVERIFY2(printable.contains(word.box), qPrintable(word.text));
}

// Word boxes are as tall as the font's line, 1.37 em for Nimbus Sans standing
// in for Arial, so the boxes of neighbouring rows may share a sliver; words
// printed over each other share much more.
void checkNoOverlap(const PdfPage &pdf)
{
    for (int i = 0; i < pdf.words.size(); ++i)
        for (int j = i + 1; j < pdf.words.size(); ++j) {
            const QRectF a = pdf.words[i].box;
            const QRectF b = pdf.words[j].box;
            const QRectF common = a.intersected(b);
            QVERIFY2(common.width() <= 0.01 || common.height() <= std::max(a.height(), b.height()) / 8,
                     qPrintable(pdf.words[i].text + " / " + pdf.words[j].text));
        }
}

// The laid-out text whose top-left corner is at topLeft (1/600 in).
const PlacedText *placedAt(const SheetLayout &layout, const QPointF &topLeft)
{
    for (const PlacedText &placed : layout.texts) {
        const QPointF corner = placed.baseline - QPointF(0, QFontMetricsF(placed.font).ascent() / 12);
        if ((corner - topLeft).manhattanLength() < 1e-6)
            return &placed;
    }
    return nullptr;
}

qreal endOf(const PlacedText &placed)
{
    return placed.baseline.x() + QFontMetricsF(placed.font).horizontalAdvance(placed.text) / 12;
}

} // namespace

class TestParamsPrintout : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<DialogRecorder> dialogs;
    std::unique_ptr<PdfChoice> choice;
    LanguageTable texts;
    std::unique_ptr<PrintingPage> page;

    // Prints the page through its button to a PDF and reads the words back.
    void printAndRead(const QString &name, PdfPage &pdf)
    {
        choice->path = dir.filePath(name + QStringLiteral(".pdf"));
        page->findChild<QPushButton *>(QStringLiteral("DrukujButt"))->click();
        QVERIFY2(dialogs->entries.isEmpty(), qPrintable(dialogs->entries.value(0).text));
        QVERIFY(QFile::exists(choice->path));
        const ToolRun boxes = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), choice->path, "-"});
        QVERIFY2(boxes.failure.isEmpty(), qPrintable(boxes.failure));
        pdf = parseBoxes(boxes.output);
    }

    void checkOnePage()
    {
        const ToolRun info = runTool(QStringLiteral("pdfinfo"), {choice->path});
        QVERIFY2(info.failure.isEmpty(), qPrintable(info.failure));
        QVERIFY(info.output.contains(QRegularExpression(QStringLiteral("Pages: +1\\n"))));
        QVERIFY(info.output.contains(QRegularExpression(QStringLiteral("Title: +parametry\\n"))));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        SetBuiltInTexts(texts);
    }

    void init()
    {
        dialogs = std::make_unique<DialogRecorder>();
        choice = std::make_unique<PdfChoice>();
        page = std::make_unique<PrintingPage>([this](TextKey key) { return texts.text(key); });
        page->resize(787, 485);
        page->show();
    }

    void cleanup()
    {
        page.reset();
        choice.reset();
        dialogs.reset();
    }

    void pageControlsByName()
    {
        QStringList names = valueNames() << "DrukowanieTab" << "LabelPS" << "DrukujButt" << "GroupBox17"
                                         << "GroupBox18";
        for (int row = 1; row <= SheetRows; ++row)
            names << QStringLiteral("Napis%1").arg(row, 2, 10, QLatin1Char('0'));
        for (const QString &name : names)
            QVERIFY2(page->objectName() == name || page->findChildren<QWidget *>(name).size() == 1, qPrintable(name));

        auto *button = page->findChild<QPushButton *>(QStringLiteral("DrukujButt"));
        QCOMPARE_LE(button->sizeHint().width(), button->width());
    }

    void sheetCarriesEveryText()
    {
        fillCaptions(*page);
        for (int row = 1; row <= SheetRows; ++row)
            page->setValues(row, Values[row - 1], secondValueOf(row));
        // Rows the page has not change nothing.
        page->setCaption(0, QStringLiteral("none"));
        page->setValues(24, QStringLiteral("none"));
        PdfPage pdf;
        printAndRead(QStringLiteral("known"), pdf);
        if (QTest::currentTestFailed())
            return;
        checkOnePage();

        // Each caption followed by its value(s) on its line, Polish letters intact.
        const ToolRun raw = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), choice->path, "-"});
        QVERIFY2(raw.failure.isEmpty(), qPrintable(raw.failure));
        const QString text = raw.output.simplified();
        QVERIFY(text.startsWith(QStringLiteral("TARVO Elektronika autogaz QUORVANTIX")));
        QVERIFY(text.contains(Heading));
        QVERIFY(!text.contains(QStringLiteral("none")));
        for (int row = 1; row <= SheetRows; ++row) {
            const QString line = QStringList{Captions[row - 1], Values[row - 1], secondValueOf(row)}.join(' ');
            QVERIFY2(text.contains(line.trimmed()), qPrintable(line));
        }
        for (const QChar letter : QStringLiteral("ąćęłńóśźż"))
            QVERIFY2(text.contains(letter), qPrintable(QString(letter)));

        // λ is the Greek letter, on the name's line just after it.
        const Word *name = findWord(pdf, QStringLiteral("QUORVANTIX"));
        const Word *lambda = findWord(pdf, QString(QChar(0x03BB)));
        QVERIFY(name && lambda);
        QCOMPARE_GE(lambda->box.left(), name->box.right() + pointsOf(20) - 0.05);
        QVERIFY(lambda->box.center().y() > name->box.top() && lambda->box.center().y() < name->box.bottom());
    }

    void designTextsPrintBeforeValues()
    {
        PdfPage pdf;
        printAndRead(QStringLiteral("design"), pdf);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(findWord(pdf, QStringLiteral("systemu:")));
        for (const QString &name : valueNames())
            QVERIFY2(findWord(pdf, name), qPrintable(name));
    }

    void sheetKeepsItsProportions_data()
    {
        QTest::addColumn<QPageSize>("paper");
        QTest::addColumn<QPageLayout::Orientation>("orientation");
        QTest::addColumn<bool>("shrunk");
        QTest::newRow("A4 portrait") << QPageSize(QPageSize::A4) << QPageLayout::Portrait << false;
        QTest::newRow("A4 landscape") << QPageSize(QPageSize::A4) << QPageLayout::Landscape << true;
        QTest::newRow("A5 portrait") << QPageSize(QPageSize::A5) << QPageLayout::Portrait << true;
    }
    void sheetKeepsItsProportions()
    {
        QFETCH(QPageSize, paper);
        QFETCH(QPageLayout::Orientation, orientation);
        fillCaptions(*page);
        choice->paper = paper;
        choice->orientation = orientation;
        PdfPage pdf;
        printAndRead(QStringLiteral("paper"), pdf);
        QList<PrintedRow> rows;
        readRows(pdf, rows);
        if (QTest::currentTestFailed())
            return;
        checkOnePage();
        const QSizeF points = paper.size(QPageSize::Point);
        QCOMPARE(pdf.size.toSize(), (orientation == QPageLayout::Portrait ? points : points.transposed()).toSize());

        // Rows 170/600 in apart, values and second values 2150 and 2500 of
        // those units right of the captions' 250, all in one scale.
        const qreal scale = (rows[1].value.box.top() - rows[0].value.box.top()) / pointsOf(170);
        QTEST(scale < 0.999, "shrunk");
        QCOMPARE_LE(scale, 1.0 + 1e-6);
        for (int k = 0; k < SheetRows; ++k) {
            const PrintedRow &row = rows[k];
            const qreal captionX = row.caption.first().box.left();
            if (k > 0)
                QCOMPARE_LE(qAbs(row.value.box.top() - rows[k - 1].value.box.top() - pointsOf(170) * scale), 0.05);
            QCOMPARE_LE(qAbs(row.value.box.left() - captionX - 228 * scale), 0.05);
            if (row.second)
                QCOMPARE_LE(qAbs(row.second->box.left() - captionX - 270 * scale), 0.05);
        }

        // True points: the 16 pt name is as tall as Qt makes a 16 pt line of
        // its font, and no row's word is taller.
        const Word *name = findWord(pdf, QStringLiteral("QUORVANTIX"));
        QVERIFY(name);
        QFont arial(QStringLiteral("arial"));
        arial.setPixelSize(1600);
        QCOMPARE_LE(qAbs(name->box.height() - QFontMetricsF(arial).height() / 100 * scale), 0.5);
        for (const PrintedRow &row : rows)
            for (const Word &word : row.caption + QList<Word>{row.value})
                QCOMPARE_LE(word.box.height(), name->box.height() + 0.01);

        // The long caption is whole, smaller, and ends before the value column.
        const PrintedRow &longRow = rows[LongCaptionRow - 1];
        QStringList captionWords;
        for (const Word &word : longRow.caption)
            captionWords << word.text;
        QCOMPARE(captionWords.join(' '), LongCaption);
        QCOMPARE_LT(longRow.caption.first().box.height(), name->box.height() - 1);
        QCOMPARE_LE(longRow.caption.last().box.right(), longRow.value.box.left() - pointsOf(30) * scale + 0.01);

        checkInsidePrintableArea(pdf);
        checkNoOverlap(pdf);
    }

    void resolutionsAgree()
    {
        fillCaptions(*page);
        PdfPage high;
        printAndRead(QStringLiteral("high"), high);
        choice->resolution = QPrinter(QPrinter::ScreenResolution).resolution();
        PdfPage screen;
        printAndRead(QStringLiteral("screen"), screen);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(screen.words.size(), high.words.size());
        for (int i = 0; i < high.words.size(); ++i) {
            const QRectF a = high.words[i].box;
            const QRectF b = screen.words[i].box;
            QCOMPARE(screen.words[i].text, high.words[i].text);
            const qreal apart = std::max({qAbs(a.left() - b.left()), qAbs(a.top() - b.top()),
                                          qAbs(a.right() - b.right()), qAbs(a.bottom() - b.bottom())});
            QVERIFY2(apart <= 0.5, qPrintable(high.words[i].text));
        }
    }

    void cancelPrintsNothing()
    {
        choice->cancel = true;
        choice->path = dir.filePath(QStringLiteral("cancelled.pdf"));
        QVERIFY(!page->PrintParameters());
        QVERIFY(!QFile::exists(choice->path));
        QVERIFY(dialogs->entries.isEmpty());
        QCOMPARE(choice->offeredOrientation, QPageLayout::Portrait);

        // The printer, with what was chosen on it, stays for the next printout.
        choice->cancel = false;
        QVERIFY(page->PrintParameters());
        QVERIFY(QFile::exists(choice->path));
        QCOMPARE(choice->printers.size(), 2);
        QCOMPARE(choice->printers[0], choice->printers[1]);
    }

    void unwritableFileIsReported()
    {
        choice->path = dir.filePath(QStringLiteral("missing/sheet.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY(!page->PrintParameters());
        QVERIFY(!QFile::exists(choice->path));
        QCOMPARE(dialogs->entries.size(), 1);
        QCOMPARE(dialogs->entries[0].icon, DialogIcon::Error);
        QCOMPARE(dialogs->entries[0].text, QStringLiteral("Błąd drukowania: ") + choice->path);
    }

    void realDialogOffersNoPages()
    {
        choice.reset();
        bool seen = false;
        QTimer closer;
        closer.callOnTimeout([&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            dialog->reject();
            QCOMPARE(dialog->objectName(), QStringLiteral("PrintDialog1"));
            QCOMPARE(dialog->options(), QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        });
        closer.start(5);
        QVERIFY(!page->PrintParameters());
        QVERIFY(seen);
        QVERIFY(dialogs->entries.isEmpty());
    }

    void logoFramesNameAndLambda()
    {
        const SheetLayout layout = layoutParameterSheet(ParameterSheetTexts(), A4Printable);
        const PlacedText *name = placedAt(layout, {1530, 370});
        QVERIFY(name);
        const PlacedText *lambda = placedAt(layout, {endOf(*name) + 20, 364});
        QVERIFY(lambda);
        QCOMPARE(lambda->text, QString(QChar(0x03BB)));
        QVERIFY(QFontMetricsF(lambda->font).inFontUcs4(0x03BB));
        QVERIFY(lambda->font.bold() && lambda->font.pixelSize() == 1600);
        QCOMPARE(layout.ellipse, QRectF(QPointF(1450, 290), QPointF(endOf(*lambda) + 50, 590)));
    }

    void textsEndBeforeWhatFollows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isValue"); // else the caption
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<bool>("shrunk");
        QTest::addColumn<bool>("cut");
        QTest::newRow("an endless caption stops at 8 pt, cut short")
            << 1 << QString(300, 'W') << false << A4Printable << true << true;
        QTest::newRow("the first of two values ends before the second")
            << 11 << "Par11_1" << true << A4Printable << true << false;
        QTest::newRow("a value ends before a narrow page's edge")
            << 22 << "Podwójna cewka na cylinder" << true << QSizeF(3200, 6000) << true << false;
        QTest::newRow("a value with room keeps 16 pt")
            << 22 << "Podwójna cewka na cylinder" << true << A4Printable << false << false;
    }
    void textsEndBeforeWhatFollows()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(bool, isValue);
        QFETCH(QSizeF, area);
        ParameterSheetTexts texts;
        SheetRow &sheetRow = texts.rows[size_t(row - 1)];
        (isValue ? sheetRow.value : sheetRow.caption) = text;
        if (row == 11 || row == 13)
            sheetRow.secondValue = QStringLiteral("Par11_2");
        const SheetLayout layout = layoutParameterSheet(texts, area);

        const PlacedText *fitted = placedAt(layout, {isValue ? 2150.0 : 250.0, 1340 + 170.0 * (row - 1)});
        QVERIFY(fitted);
        const qreal column = !isValue ? 2150 : sheetRow.secondValue ? 2500 : qInf();
        QCOMPARE_LE(endOf(*fitted), std::min(column, area.width() / layout.scale) - 30 + 1e-9);
        QCOMPARE_GE(fitted->font.pixelSize(), 800);
        QTEST(fitted->font.pixelSize() < 1600, "shrunk");
        QTEST(fitted->font.pixelSize() == 800 && fitted->text.endsWith(QChar(0x2026)), "cut");
    }

    void menuCaptionsLoseTheirShortcutMark_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "Parametry systemu" << "Parametry systemu";
        QTest::newRow("marked letter") << "&Parametry systemu" << "Parametry systemu";
        QTest::newRow("inside a word") << "Para&metry" << "Parametry";
        QTest::newRow("a real ampersand") << "A && B" << "A & B";
        QTest::newRow("a last lone mark") << "Parametry&" << "Parametry&";
    }
    void menuCaptionsLoseTheirShortcutMark()
    {
        QFETCH(QString, caption);
        QTEST(withoutMnemonic(caption), "shown");
    }
};

QTEST_MAIN(TestParamsPrintout)
#include "tst_params_printout.moc"
