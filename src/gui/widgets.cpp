#include "gui/widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeruda::gui {
namespace {

// Watches the fields of one form for Enter and clicks its command.
class EnterStarts : public QObject {
 public:
  explicit EnterStarts(QAbstractButton* command) : QObject(command), command_(command) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
      return QObject::eventFilter(watched, event);
    }
    // A held key would start the command again behind each message it shows.
    if (!key->isAutoRepeat() && command_->isEnabled()) command_->click();
    return true;
  }

 private:
  QAbstractButton* command_;
};

}  // namespace

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

void startOnEnter(QAbstractButton* command, std::initializer_list<QWidget*> fields) {
  auto* filter = new EnterStarts(command);
  for (QWidget* field : fields) field->installEventFilter(filter);
}

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
