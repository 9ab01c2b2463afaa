// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window.
#include "ui/qt/about_form.h"

#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "app/version.h"
#include "display/window_placement.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/twips.h"
#include "ui/qt/window_system.h"

namespace {

// Layout in twips, relative to the client area.
constexpr double kClientWidth = 4905;
constexpr double kClientHeight = 1545;

QFont WindowFont() {
  QFont font("Sans Serif");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  font.setBold(true);
  return font;
}

}  // namespace

// A plain dialog of fixed size: a title and a close box, nothing to maximise.
AboutForm::AboutForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("AboutForm");
  setWindowTitle("About VORN");
  setFont(WindowFont());
  buildControls();
  setFixedSize(vorn::TwipsToPixels(*this, kClientWidth, kClientHeight));
}

void AboutForm::buildControls() {
  AboutText = new QPlainTextEdit(this);
  AboutText->setObjectName("AboutText");
  AboutText->setGeometry(vorn::TwipsToPixels(*this, 24, 36, 4185, 1050));
  AboutText->setReadOnly(true);
  AboutText->setPlainText(CreditText());
  AboutText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  AboutText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette textPalette = AboutText->palette();
  textPalette.setColor(QPalette::Base, textPalette.color(QPalette::Button));
  AboutText->setPalette(textPalette);
  // A press anywhere in the text, its border included, closes the window.
  AboutText->installEventFilter(this);
  AboutText->viewport()->installEventFilter(this);

  Picture1 = new QLabel(this);
  Picture1->setObjectName("Picture1");
  Picture1->setGeometry(vorn::TwipsToPixels(*this, 4320, 30, 510, 480));
  Picture1->setPixmap(vorn::ProgramIcon().pixmap(32, 32));

  AboutOk = new QPushButton("OK", this);
  AboutOk->setObjectName("AboutOk");
  AboutOk->setGeometry(vorn::TwipsToPixels(*this, 4305, 615, 510, 375));
  AboutOk->setDefault(true);
  connect(AboutOk, &QPushButton::clicked, this, &AboutForm::AboutOk_Click);

  Label1 = new QLabel(QStringLiteral("Version %1").arg(vorn::kVersion), this);
  Label1->setObjectName("Label1");
  Label1->setGeometry(vorn::TwipsToPixels(*this, 45, 1155, 4770, 300));
  Label1->setAutoFillBackground(true);
  QPalette labelPalette = Label1->palette();
  labelPalette.setColor(QPalette::Window, Qt::black);
  labelPalette.setColor(QPalette::WindowText, Qt::white);
  Label1->setPalette(labelPalette);

  setTabOrder(AboutOk, AboutText);
}

// Placed by its client area, never by its frame. Qt centres a dialog by a frame that the
// window manager gives it only once shown, and under openbox an About window shown again came
// a title bar lower than the first time. Its frame is taken to be the owner's.
void AboutForm::centreOverOwner() {
  const QWidget* owner = parentWidget();
  if (owner == nullptr || !owner->isVisible() || !vorn::CanPlaceWindows()) return;
  const QRect ownerFrame = owner->frameGeometry();
  const QPoint frameOffset = owner->geometry().topLeft() - ownerFrame.topLeft();
  const QSize outer = size() + (ownerFrame.size() - owner->size());
  const QRect screen = owner->screen()->availableGeometry();
  const vorn::ScreenPoint at = vorn::CentreOver(
      {ownerFrame.x(), ownerFrame.y(), ownerFrame.width(), ownerFrame.height()}, outer.width(),
      outer.height(), {screen.x(), screen.y(), screen.width(), screen.height()});
  setGeometry(QRect(QPoint(at.x, at.y) + frameOffset, size()));
}

QString AboutForm::CreditText() { return QString::fromUtf8(vorn::kCreditText); }

// Hiding the window ends its modal showing; it stays loaded for the next "About".
void AboutForm::AboutOk_Click() { hide(); }

void AboutForm::AboutText_MouseDown() { hide(); }

void AboutForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  AboutOk->setFocus();
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
    AboutText_MouseDown();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}
