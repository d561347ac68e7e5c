#include "gui/field_controls.h"

namespace zeruda::gui {

UserMessage refusalBox(const Error& error, const std::string& windowCaption) {
  UserMessage box = userMessageOf(error);
  if (box.caption.empty() && box.icon == MessageIcon::Warning) box.caption = windowCaption;
  return box;
}

QString controlNameOf(Field field) {
  switch (field) {
    case Field::None:
      break;
    case Field::LegalSurname:
      return QStringLiteral("公司法人姓");
    case Field::LegalGivenName:
      return QStringLiteral("公司法人名");
    case Field::RegionPrefix:
      return QStringLiteral("公司前缀");
    case Field::TradeSuffix:
      return QStringLiteral("公司后缀");
    case Field::FixedCharacter1:
      return QStringLiteral("公司编辑框固定字1");
    case Field::FixedCharacter2:
      return QStringLiteral("公司编辑框固定字2");
    case Field::FixedCharacter3:
      return QStringLiteral("公司编辑框固定字3");
    case Field::FixedCharacter4:
      return QStringLiteral("公司编辑框固定字4");
    case Field::WantedElements:
      return QStringLiteral("选择框3");
    case Field::NameBody:
      return QStringLiteral("编辑框名字主体");
    case Field::PersonSurname:
      return QStringLiteral("编辑框姓");
    // Only the 取名 page's 测名 boxes take a given name to judge.
    case Field::PersonGivenName:
      return QStringLiteral("测名名");
    case Field::PersonFixedCharacter:
      return QStringLiteral("编辑框固定字");
    case Field::LookupCharacter:
      return QStringLiteral("编辑框输入");
    case Field::ShortlistNames:
      return QStringLiteral("编辑框批量名字");
    case Field::BodyLength:
      return QStringLiteral("公司中间字数");
    case Field::FixedPosition:
      return QStringLiteral("组合框固定字选择");
    case Field::StarLevel:
      return QStringLiteral("组合框星级");
    case Field::PersonGender:
      return QStringLiteral("组合框性别");
    // The window's other inputs are lists and date boxes that hold only what the core
    // takes: no refusal names them.
    default:
      break;
  }
  return {};
}

}  // namespace zeruda::gui
