#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zeruda::gui {

// Small makers for the controls of the forms: every control carries its form name
// as objectName, which is how the window's code and the tests find it.
QLineEdit* makeLineEdit(QWidget* parent, const QString& name, const QString& text = {});
QComboBox* makeComboBox(QWidget* parent, const QString& name, const QStringList& items,
                        int current = 0);
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption);
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption);
QLabel* makeLabel(QWidget* parent, const QString& caption);

// Enter in any of a form's fields starts the form's command, as its button would. A
// field made of several controls (a date box) gets the key after its own control has
// dealt with it. Nothing runs while the button is disabled.
void startOnEnter(QAbstractButton* command, std::initializer_list<QWidget*> fields);

// "0" … "last": the hour and minute selectors, whose index is their value.
QStringList numberItems(int last);

// The star-level items "☆" … "☆☆☆☆☆".
QStringList starItems();

}  // namespace zeruda::gui
