// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window: the program's version, a credit text and its icon. It is shown modally
// and closed with "OK", the Enter key or a click into the credit text; it is then only
// hidden, and the next "About" shows the same window again.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class AboutForm : public QDialog {
  Q_OBJECT

 public:
  explicit AboutForm(QWidget* parent = nullptr);

  // The credit text: two empty lines, then the game and its authors, then where to write.
  static QString CreditText();

  // Centres the window over the one it belongs to, where the program may place its windows;
  // called before each showing.
  void centreOverOwner();

 public slots:
  void AboutOk_Click();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void AboutText_MouseDown();

  QPlainTextEdit* AboutText = nullptr;
  QLabel* Picture1 = nullptr;
  QPushButton* AboutOk = nullptr;
  QLabel* Label1 = nullptr;
};
