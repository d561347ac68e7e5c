#pragma once

#include <QString>

namespace zeruda::gui {

// Texts of the main window that the user reads. Line breaks are CR LF, as in every
// text the program shows or writes.

inline const QString kMainWindowTitle =
    QStringLiteral("朗星轩公司取名软件v42   2017.01.01  双击 最大化/标准大小 切换");

inline const QString kStatusSlogan = QStringLiteral(
    "根据周易及现代姓名研究学、生辰八字、三才五格、五行喜用神等多方面、"
    "为您的公司取一个好听好记又吉祥的名字");

inline const QString kSystemCaption = QStringLiteral("系统提示");

// The quick-use text up to its closing note; the menu's version adds a word on how
// to stop a run before that note.
inline const QString kQuickUseHead = QStringLiteral(
    "★朗星轩公司取名软件快速使用说明★\r\n\r\n"
    "--------------------------------------------------"
    "\r\n先设置法人或老板信息，按软件上的提示输入即可\r\n\r\n"
    "【地域前缀】　如　《成都青禾远航科技公司》里的《成都》，代表公司的所在地\r\n\r\n"
    "【名字主体】即软件上的中间字　如　《成都青禾远航科技公司》里的《青禾远航》 \r\n           "
    "四个字,可以分别限定其中的一个或几个字，不限定请留空\r\n\r\n"
    "【行业后缀】　如　《成都青禾远航科技公司》里的《科技公司》,代表公司的类别\r\n\r\n"
    "如果起店铺名请勾选中起店铺名，可以不设置地域前缀与行业后缀\r\n\r\n"
    "以上设置完成后，点【点击开始】就可以开始取名了，软件会不停的生成名字，\r\n\r\n");
inline const QString kQuickUseNote =
    QStringLiteral("注：以上输入汉字的地方需要切换至中文输入法再输入");

// Shown by the toolbar's help button.
inline const QString kQuickUseText = kQuickUseHead + kQuickUseNote;

// The same from the menu.
inline const QString kQuickHelpText =
    kQuickUseHead + QStringLiteral("随时可以点击弹出框里的确定按扭中断取名\r\n\r\n") +
    kQuickUseNote;

// Shown before the trademark office's search opens.
inline const QString kTrademarkNotice = QStringLiteral(
    "★使用说明★\r\n\r\n--------------------------------------------------\r\n"
    "软件将打开国家商标局网站进行查询\r\n\r\n在【商标名称】里输入内容后,点查询即可\r\n\r\n"
    "注意:国家商标局网站每日晚8点至次日2点进行维护,此期间暂停查询");

}  // namespace zeruda::gui
