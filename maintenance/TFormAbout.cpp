// SPDX-License-Identifier: GPL-3.0-or-later
#include "maintenance/TFormAbout.h"

#include "common/AppServices.h"
#include "common/Shell.h"
#include "controls/DBRichEdit.h"
#include "controls/DataAware.h"
#include "data/DataModule2.h"
#include "maintenance/CommandLine.h"
#include "maintenance/MakerAddresses.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace lynvar {
namespace {

template <typename T> T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = named(new QLabel(text, parent), name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignHCenter);
    return l;
}

QLabel *link(QWidget *parent, const char *name, const QString &text)
{
    QLabel *l = label(parent, name, text);
    l->setCursor(Qt::PointingHandCursor);
    QFont font = l->font();
    font.setUnderline(true);
    l->setFont(font);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    l->setPalette(palette);
    return l;
}

} // namespace

TFormAbout::TFormAbout(TDataModule2 *data, AppServices &services, QWidget *parent)
    : QDialog(parent), m_data(data), m_services(services)
{
    setObjectName(QStringLiteral("FormAbout"));
    setModal(true);
    setWindowTitle(QStringLiteral("Про програму ..."));
    // A fixed dialog frame without title-bar buttons: the window closes with its Ok button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(420, 219);

    const MakerAddresses maker = MakerAddresses::read(services.programFolder);
    LabelAbout1 = label(this, "LabelAbout1", QStringLiteral("Програму створив"));
    LabelAbout2 = label(this, "LabelAbout2", QStringLiteral("Остап Лиманенко, 2014"));
    LabelAbout3 = label(this, "LabelAbout3", QStringLiteral("Свої зауваження та пропозиції"));
    LabelAbout4 = label(this, "LabelAbout4", QStringLiteral(" надсилайте за адресою:"));
    Label5 = link(this, "Label5", maker.mail.trimmed());
    LabelAbout5 = label(this, "LabelAbout5", QStringLiteral("Програму стоворено спеціально"));
    LabelAbout6 = label(this, "LabelAbout6", QStringLiteral("для сайту:"));
    Label8 = link(this, "Label8", maker.siteText());
    LabelAbout7 = label(this, "LabelAbout7", QStringLiteral("Версія ") + programVersion());
    Button1 = named(new QPushButton(QStringLiteral("Ok"), this), "Button1");

    GroupBoxAbout = named(new QGroupBox(QStringLiteral("Використані матеріали "), this), "GroupBoxAbout");
    GroupBoxAbout->setFixedHeight(8);
    DBRichEditAbout = named(new DBRichEdit(GroupBoxAbout), "DBRichEditAbout");
    DBRichEditAbout->setReadOnly(true);
    DBRichEditAbout->setDataField(QStringLiteral("ValueRTFUkr"));
    if (m_data)
        DBRichEditAbout->setDataSource(&m_data->SystemDS);
    GroupBoxAbout->setVisible(false);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (QWidget *w : {static_cast<QWidget *>(LabelAbout1), static_cast<QWidget *>(LabelAbout2),
                       static_cast<QWidget *>(LabelAbout3), static_cast<QWidget *>(LabelAbout4),
                       static_cast<QWidget *>(Label5), static_cast<QWidget *>(LabelAbout5),
                       static_cast<QWidget *>(LabelAbout6), static_cast<QWidget *>(Label8),
                       static_cast<QWidget *>(LabelAbout7), static_cast<QWidget *>(GroupBoxAbout)})
        layout->addWidget(w);
    layout->addWidget(Button1, 0, Qt::AlignHCenter);

    Label5->installEventFilter(this);
    Label8->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TFormAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FormShow();
}

bool TFormAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        // A failure (no address configured) reaches the error box once the click is handled.
        try {
            if (watched == Label5)
                Label5Click();
            else if (watched == Label8)
                Label8Click();
        } catch (...) {
            raiseInEventLoop(std::current_exception());
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAbout::FormShow()
{
    if (!m_data)
        return;
    m_data->SystemTable.setFiltered(true);
    m_data->SystemTable.setFilter(QStringLiteral("Parametr = 'About'"));
}

void TFormAbout::Button1Click()
{
    accept();
}

void TFormAbout::Label8Click()
{
    if (m_services.shell)
        (void)m_services.shell->openTarget(MakerAddresses::read(m_services.programFolder).aboutPage());
}

void TFormAbout::Label5Click()
{
    if (m_services.shell)
        (void)m_services.shell->openTarget(MakerAddresses::read(m_services.programFolder).mailLink());
}

} // namespace lynvar
