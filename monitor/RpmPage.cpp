#include "RpmPage.h"

#include "PageStyle.h"
#include "presets.h"
#include "tab270meter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qx {

namespace {

QStringList analogThresholdItems()
{
    QStringList items{QStringLiteral("1")};
    for (int v = 10; v <= 250; v += 10)
        items << QString::number(v);
    return items;
}

} // namespace

RpmPage::RpmPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ObrotyTab"));

    using pagestyle::Look;
    pagestyle::makeText(this, "Label91", QStringLiteral("Wybor ukladu zapłonowego"), {16, 16, 376, 36}, 20,
                        Look::Heading)
        ->setWordWrap(false);
    QLabel *instruction = pagestyle::makeText(
        this, "WyborUkladuLabel",
        QStringLiteral("Wybierz rodzaj układu zapłonowego, tak aby wartość pokazywana była zgodna z faktycznymi "
                       "obrotami silnika samochodu"),
        {24, 60, 340, 198}, 14, Look::Note, Qt::AlignLeft | Qt::AlignTop);
    instruction->setWordWrap(true);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItems({QStringLiteral("Cewka na cylinder"), QStringLiteral("Podwójna cewka"),
                         QStringLiteral("4 cylindry"), QStringLiteral("5 cylindry"), QStringLiteral("6 cylindry"),
                         QStringLiteral("8 cylindry")});
    ComboBox2->setGeometry(24, 262, 300, 34);
    QFont listFont = ComboBox2->font();
    listFont.setPointSize(12);
    ComboBox2->setFont(listFont);

    OdczytUkladuButt = new QPushButton(QStringLiteral("Odczyt układu zapłonowego"), this);
    OdczytUkladuButt->setObjectName(QStringLiteral("OdczytUkladuButt"));
    OdczytUkladuButt->setGeometry(24, 310, 300, 36);
    OdczytUkladuButt->setFont(listFont);
    connect(OdczytUkladuButt, &QPushButton::clicked, this, &RpmPage::OdczytUkladuButtClicked);
    connect(ComboBox2, &QComboBox::activated, this, &RpmPage::ignitionChosen);

    GroupBoxAnalog = new QGroupBox(this);
    GroupBoxAnalog->setObjectName(QStringLiteral("GroupBoxAnalog"));
    GroupBoxAnalog->setGeometry(24, 370, 300, 70);
    pagestyle::makeText(GroupBoxAnalog, "ProgAnalogTxt", QStringLiteral("Próg analogowy obrotów"), {12, 22, 180, 30},
                        10, Look::Note);
    Edit23 = new QComboBox(GroupBoxAnalog);
    Edit23->setObjectName(QStringLiteral("Edit23"));
    Edit23->setEditable(true);
    Edit23->addItems(analogThresholdItems());
    Edit23->lineEdit()->setMaxLength(3);
    Edit23->setGeometry(196, 20, 88, 32);
    connect(Edit23, &QComboBox::activated, this, &RpmPage::analogThresholdEdited);
    connect(Edit23->lineEdit(), &QLineEdit::textEdited, this, &RpmPage::analogThresholdEdited);
    Edit23->setFont(listFont);
    GroupBoxAnalog->hide();

    gauge1 = new TAb270Meter(this);
    gauge1->setObjectName(QStringLiteral("gauge1"));
    Presets::engineSpeedMeter(*gauge1, QStringLiteral("RPM"), QString());
    gauge1->setGeometry(404, 12, 350, 350);

    Panelobroty = pagestyle::makeText(this, "Panelobroty", QStringLiteral("0"), {459, 376, 240, 60}, 28, Look::Readout,
                                      Qt::AlignCenter);

    // The whole page, and over it one card for the choice of the ignition
    // system and one for the tachometer with its readout. The cards end where
    // the narrowest page, the 1152 profile's, ends.
    pagestyle::placeGradients(*this, {
                                         {"AbGradient1", nullptr, {}, TAbGradient::TopToBottom},
                                         {"AbGradient4", nullptr, {12, 8, 384, 446}, TAbGradient::LeftToRight},
                                         {"AbGradient5", nullptr, {400, 8, 360, 446}, TAbGradient::LeftToRight},
                                     });
}

void RpmPage::showSpeed(int rpm, int shown)
{
    gauge1->setDigit(rpm);
    Panelobroty->setText(QString::number(shown));
}

int RpmPage::ignitionIndex() const
{
    return ComboBox2->currentIndex();
}

QString RpmPage::ignitionCaption() const
{
    const auto *caption = findChild<QLabel *>(QStringLiteral("Label91"));
    return caption ? caption->text() : QString();
}

QString RpmPage::ignitionEntryText() const
{
    return ComboBox2->currentText();
}

void RpmPage::setIgnitionIndex(int index)
{
    ComboBox2->setCurrentIndex(index);
}

void RpmPage::focusIgnitionList()
{
    // Another page may be shown, where the list cannot take the focus.
    if (ComboBox2->isVisible())
        ComboBox2->setFocus();
}

void RpmPage::showAnalogThreshold(bool shown)
{
    GroupBoxAnalog->setVisible(shown);
}

void RpmPage::setAnalogThresholdText(const QString &text)
{
    Edit23->setCurrentText(text);
}

} // namespace qx
