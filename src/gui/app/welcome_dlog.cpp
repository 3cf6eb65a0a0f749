#include "app/welcome_dlog.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "app/interaction.h"
#include "app/look.h"
#include "app/session.h"
#include "settings/lines_file.h"
#include "ui_welcome_dlog.h"

namespace zolvane::gui::app {

namespace {

QPixmap SplashPicture(const QSize& size, const QFont& base) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPixmap((size.width() - 64) / 2, 16, ProgramPicture(64));
    QFont title = base;
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(kTeal);
    p.drawText(QRect(0, 84, size.width(), 34), Qt::AlignCenter, QStringLiteral("Zolvane"));
    QFont line = base;
    line.setPixelSize(11);
    p.setFont(line);
    p.setPen(Qt::black);
    p.drawText(QRect(8, 118, size.width() - 16, 28), Qt::AlignHCenter | Qt::TextWordWrap,
               QStringLiteral("USPS barcodes for mailing lists"));
    return pixmap;
}

}  // namespace

TWelcomeDlog::TWelcomeDlog(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_ui(std::make_unique<Ui::TWelcomeDlog>()),
      m_session(session),
      m_timer(new QTimer(this)) {
    m_ui->setupUi(this);
    setFixedSize(221, 203);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    m_ui->Picture->setPixmap(SplashPicture(size(), font()));
    m_ui->OKBtn->hide();
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(3000);
    connect(m_timer, &QTimer::timeout, this, &TWelcomeDlog::TimerFired);
    connect(m_ui->OKBtn, &QPushButton::clicked, this, &QWidget::hide);
}

TWelcomeDlog::~TWelcomeDlog() = default;

QString TWelcomeDlog::VersionLine() {
    return QStringLiteral("Version " ZOLVANE_VERSION " - Updated " ZOLVANE_UPDATED);
}

void TWelcomeDlog::ShowAbout() {
    m_about = true;
    if (isVisible()) {
        Activate();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void TWelcomeDlog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    Activate();
}

void TWelcomeDlog::Activate() {
    m_ui->VersionLabel->setText(VersionLine());
    try {
        m_session.LoadSettings();
    } catch (const settings::SettingsError& e) {
        m_session.Ui().Message(this, QString::fromLocal8Bit(e.what()), MessageIcon::Error,
                               Beep::Error);
        if (!m_about) {
            hide();
            m_session.Terminate(1);
        }
        return;
    }
    m_ui->OKBtn->setVisible(m_about);
    if (!m_about) m_timer->start();
}

void TWelcomeDlog::TimerFired() {
    m_timer->stop();
    hide();
    if (m_session.Arguments().Present()) emit StartCommandLine();
}

void TWelcomeDlog::mousePressEvent(QMouseEvent* event) {
    hide();
    event->accept();
}

void TWelcomeDlog::keyPressEvent(QKeyEvent* event) {
    hide();
    event->accept();
}

}  // namespace zolvane::gui::app
