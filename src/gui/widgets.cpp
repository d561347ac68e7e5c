#include "gui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeruda::gui {

QLineEdit* makeLineEdit(QWidget* parent, const QString& name, const QString& text) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(name);
  return edit;
}

QComboBox* makeComboBox(QWidget* parent, const QString& name, const QStringList& items,
                        int current) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->addItems(items);
  combo->setCurrentIndex(current);
  return combo;
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

QLabel* makeLabel(QWidget* parent, const QString& caption) { return new QLabel(caption, parent); }

QStringList numberItems(int last) {
  QStringList items;
  for (int i = 0; i <= last; ++i) items << QString::number(i);
  return items;
}

QStringList starItems() {
  QStringList items;
  for (int stars = 1; stars <= 5; ++stars) items << QString(stars, QChar(0x2606));
  return items;
}

}  // namespace zeruda::gui
