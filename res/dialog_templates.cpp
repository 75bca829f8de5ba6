#include "res/dialog_templates.h"

#include <algorithm>
#include <functional>

#include "res/control_ids.h"

namespace ff::res {

namespace {

using K = ControlKind;

ControlTemplate Label(std::string text, int x, int y, int w, int h) {
  return {K::Label, IDC_STATIC, std::move(text), x, y, w, h};
}
ControlTemplate Line(int x, int y, int w) { return {K::EtchedLine, IDC_STATIC, "", x, y, w, 1}; }
ControlTemplate Edit(int id, int x, int y, int w, int h, unsigned style = kNone) {
  return {K::Edit, id, "", x, y, w, h, style};
}
ControlTemplate Button(int id, std::string text, int x, int y, int w, int h) {
  return {K::Button, id, std::move(text), x, y, w, h};
}
ControlTemplate DefButton(int id, std::string text, int x, int y, int w, int h) {
  return {K::DefButton, id, std::move(text), x, y, w, h};
}
ControlTemplate Check(int id, std::string text, int x, int y, int w, int h) {
  return {K::CheckBox, id, std::move(text), x, y, w, h};
}
ControlTemplate Radio(int id, std::string text, int x, int y, int w, int h, unsigned style = kNone) {
  return {K::Radio, id, std::move(text), x, y, w, h, style};
}

// Which controls a grow rule is for.
using Which = std::function<bool(const ControlTemplate&)>;
Which Is(int id) {
  return [id](const ControlTemplate& c) { return c.id == id; };
}
Which KindIs(ControlKind kind) {
  return [kind](const ControlTemplate& c) { return c.kind == kind; };
}
// Controls whose top is at or below the row `y`.
Which Below(int y) {
  return [y](const ControlTemplate& c) { return c.y >= y; };
}
// Controls that start at or right of the column `x`, above the row `y`.
Which RightOfAbove(int x, int y) {
  return [x, y](const ControlTemplate& c) { return c.x >= x && c.y < y; };
}
// Later rules override earlier ones for the same control.
void Horizontal(std::vector<ControlTemplate>& controls, const Which& which, int left, int right) {
  for (ControlTemplate& c : controls)
    if (which(c)) c.grow.left = left, c.grow.right = right;
}
void Vertical(std::vector<ControlTemplate>& controls, const Which& which, int top, int bottom) {
  for (ControlTemplate& c : controls)
    if (which(c)) c.grow.top = top, c.grow.bottom = bottom;
}

// The login dialog and the login page share their fields.
std::vector<ControlTemplate> LoginFields() {
  return {
      Label("登录服务器：", 14, 17, 54, 8),
      {K::ComboBox, ctl::login::kServer, "", 70, 14, 136, 80, kGroup, {"sqlite", "127.0.0.1,1433"}},
      Label("数据库名称：", 14, 37, 54, 8),
      Edit(ctl::login::kDatabase, 70, 34, 136, 14),
      Label("登录用户：", 14, 57, 54, 8),
      Edit(ctl::login::kUser, 70, 54, 136, 14),
      Label("登录口令：", 14, 77, 54, 8),
      Edit(ctl::login::kPassword, 70, 74, 136, 14, kPassword),
  };
}

DialogTemplate LoginDialog() {
  DialogTemplate t{IDD_LOGIN_DLG, "登录配置服务器", 222, 131, "宋体", 9, LoginFields()};
  t.controls.push_back(DefButton(IDOK, "确定", 94, 104, 50, 14));
  t.controls.push_back(Button(IDCANCEL, "取消", 156, 104, 50, 14));
  return t;
}

DialogTemplate LoginPage() {
  DialogTemplate t{IDD_LOGIN_PAGE, "登录配置服务器", 222, 150, "宋体", 9, LoginFields()};
  t.controls.push_back(Button(ctl::login::kCommentSettings, "注释设置(&S)...", 14, 104, 70, 14));
  t.controls.push_back(DefButton(IDOK, "确定", 156, 104, 50, 14));
  // Which database the pages read now: the one of the last login that
  // succeeded, here or in the login dialog.
  t.controls.push_back(Label("当前配置库：", 14, 130, 54, 8));
  t.controls.push_back(Edit(ctl::login::kConnected, 70, 127, 136, 14, kReadOnly));
  Horizontal(t.controls, Is(ctl::login::kConnected), 0, 100);
  return t;
}

// The author, company and copyright that generated comments carry.
DialogTemplate CommentDialog() {
  return {IDD_COMMENT_DLG, "注释设置", 262, 112, "宋体", 9, {
      Label("生成代码的注释中的作者、公司和版权：", 7, 7, 248, 8),
      Label("作者：", 14, 25, 44, 8),
      Edit(ctl::comment::kAuthor, 60, 22, 195, 14, kGroup),
      Label("公司：", 14, 45, 44, 8),
      Edit(ctl::comment::kCompany, 60, 42, 195, 14),
      Label("版权：", 14, 65, 44, 8),
      Edit(ctl::comment::kCopyRight, 60, 62, 195, 14),
      DefButton(IDOK, "确定", 143, 90, 50, 14),
      Button(IDCANCEL, "取消", 205, 90, 50, 14),
  }};
}

DialogTemplate ExportPage() {
  // Wider: the path edits grow, their "..." buttons and 确定 keep to the
  // right edge.
  DialogTemplate t{IDD_EXPORT_PAGE, "生成头文件", 340, 157, "宋体", 9, {
      Label("放置目录：    ", 7, 7, 57, 14),
      Edit(ctl::exporting::kFolder, 69, 7, 243, 14),
      Button(ctl::exporting::kBrowseFolder, "...", 319, 7, 14, 14),
      Label("信息元定义：", 7, 26, 57, 14),
      Edit(ctl::exporting::kFidDefFile, 69, 26, 243, 14),
      Button(ctl::exporting::kBrowseFidDef, "...", 319, 26, 14, 14),
      Label("FOS定义：", 7, 45, 57, 14),
      Edit(ctl::exporting::kFosDefFile, 69, 45, 243, 14),
      Button(ctl::exporting::kBrowseFosDef, "...", 319, 45, 14, 14),
      Label("BLS定义：", 7, 64, 57, 14),
      Edit(ctl::exporting::kBlsDefFile, 69, 64, 243, 14),
      Button(ctl::exporting::kBrowseBlsDef, "...", 319, 64, 14, 14),
      Label("SysDef：", 7, 83, 57, 14),
      Edit(ctl::exporting::kSysDefFile, 69, 83, 243, 14),
      Button(ctl::exporting::kBrowseSysDef, "...", 319, 83, 14, 14),
      Check(ctl::exporting::kNoPrompt, "覆盖原有文件时，不提示。", 69, 112, 112, 10),
      Button(ctl::exporting::kMakeSite, "生成字典网站(&W)...", 7, 136, 90, 14),
      DefButton(IDOK, "确定", 283, 136, 50, 14),
  }};
  Horizontal(t.controls, KindIs(K::Edit), 0, 100);
  Horizontal(t.controls, KindIs(K::Button), 100, 100);
  Horizontal(t.controls, Is(ctl::exporting::kMakeSite), 0, 0);
  Horizontal(t.controls, Is(IDOK), 100, 100);
  return t;
}

DialogTemplate CheckPage() {
  // The fourth list, the lint's findings, goes below the three checks.
  DialogTemplate t{IDD_CHECK_PAGE, "检查FID定义", 358, 425, "宋体", 9, {
      Label("BLS中未定义FID检查：   ", 7, 6, 93, 8),
      Line(99, 9, 253),
      {K::ListView, ctl::check::kBlsList, "", 7, 19, 272, 83, kGroup},
      Button(ctl::check::kCheckBls, "检查BLS定义(&B)", 291, 88, 61, 14),
      Label("FOS中未定义FID检查：  ", 7, 118, 89, 8),
      Line(102, 121, 250),
      {K::ListView, ctl::check::kFosList, "", 7, 135, 272, 76, kGroup},
      Button(ctl::check::kCheckFos, "检查FOS定义(&F)", 291, 197, 61, 14),
      Label("未使用FID检查：  ", 7, 231, 69, 8),
      Line(102, 235, 249),
      {K::ListView, ctl::check::kUnusedList, "", 7, 249, 272, 76, kGroup},
      Button(ctl::check::kCheckUnused, "检查未用FID(&N)", 291, 311, 61, 14),
      Label("代码检查：  ", 7, 333, 49, 8),
      Line(60, 337, 292),
      {K::ListView, ctl::check::kLintList, "", 7, 345, 272, 70, kGroup},
      Button(ctl::check::kCheckLint, "代码检查(&L)", 291, 401, 61, 14),
  }};
  // Wider: the lists and lines grow, the buttons keep to the right edge.
  // Higher: each list takes a quarter of the extra height; its button stays
  // at its foot and the next title follows.
  Horizontal(t.controls, [](const ControlTemplate&) { return true; }, 0, 100);
  Horizontal(t.controls, KindIs(K::Label), 0, 0);
  Horizontal(t.controls, KindIs(K::Button), 100, 100);
  Vertical(t.controls, Below(88), 25, 25);
  Vertical(t.controls, Below(197), 50, 50);
  Vertical(t.controls, Below(311), 75, 75);
  Vertical(t.controls, Below(401), 100, 100);
  Vertical(t.controls, Is(ctl::check::kBlsList), 0, 25);
  Vertical(t.controls, Is(ctl::check::kFosList), 25, 50);
  Vertical(t.controls, Is(ctl::check::kUnusedList), 50, 75);
  Vertical(t.controls, Is(ctl::check::kLintList), 75, 100);
  return t;
}

DialogTemplate CodePage() {
  DialogTemplate t{IDD_CODE_PAGE, "生成模块代码", 340, 279, "宋体", 9, {
      Label("模块列表：    ", 7, 7, 57, 14),
      Line(73, 14, 242),
      Radio(ctl::files::kFos, "FOS(&F)", 41, 22, 40, 10, kGroup),
      Radio(ctl::files::kBls, "BLS(&B)", 127, 22, 40, 10),
      // What OK makes, in words beside the radios: the kind may come from
      // another page, which shares the setting.
      {K::Label, ctl::code::kKindShown, "", 175, 23, 141, 9},
      {K::ListView, ctl::code::kModuleList, "", 7, 35, 309, 50, kGroup},
      Label("生成模块名称：", 7, 92, 57, 14),
      Edit(ctl::files::kModuleName, 69, 94, 172, 14),
      Label("放置目录：", 7, 109, 57, 14),
      Edit(ctl::files::kFolder, 69, 111, 172, 14),
      Button(ctl::files::kBrowseFolder, "...", 248, 112, 14, 14),
      Check(ctl::files::kMakeModule, "生成编程模板代码：", 7, 131, 80, 14),
      Line(94, 138, 221),
      Label("头文件：", 7, 146, 57, 14),
      Edit(ctl::files::kHeaderFile, 69, 146, 172, 14),
      Button(ctl::files::kBrowseHeader, "...", 248, 146, 14, 14),
      Label("cpp文件：", 7, 161, 57, 14),
      Edit(ctl::files::kCppFile, 69, 161, 172, 14),
      Button(ctl::files::kBrowseCpp, "...", 248, 165, 14, 14),
      Check(ctl::files::kMakeTest, "生成测试代码：", 7, 184, 64, 14),
      Line(80, 191, 235),
      Label("头文件：", 7, 200, 57, 14),
      Edit(ctl::files::kTestHeaderFile, 69, 200, 172, 14),
      Button(ctl::files::kBrowseTestHeader, "...", 248, 201, 14, 14),
      Label("cpp文件：", 7, 215, 57, 14),
      Edit(ctl::files::kTestCppFile, 69, 215, 172, 14),
      Button(ctl::files::kBrowseTestCpp, "...", 248, 219, 14, 14),
      Check(ctl::code::kKeepHandCode, "保留手写代码", 7, 243, 100, 10),
      Check(ctl::files::kNoPrompt, "覆盖原有文件时，不提示。", 121, 243, 112, 10),
      DefButton(IDOK, "确定", 283, 255, 50, 14),
  }};
  // The module list takes the extra height, the fields below it move down;
  // edits and lines take the extra width, "..." and 确定 keep to the right.
  Horizontal(t.controls, KindIs(K::Edit), 0, 100);
  Horizontal(t.controls, KindIs(K::EtchedLine), 0, 100);
  Horizontal(t.controls, KindIs(K::Button), 100, 100);
  Horizontal(t.controls, Is(ctl::code::kModuleList), 0, 100);
  Horizontal(t.controls, Is(IDOK), 100, 100);
  Vertical(t.controls, Below(36), 100, 100);
  Vertical(t.controls, Is(ctl::code::kModuleList), 0, 100);
  return t;
}

constexpr unsigned kPreviewStyle = kMultiLine | kVScroll | kHScroll | kWantReturn | kGroup;
constexpr unsigned kTreeStyle = kTreeButtons | kTreeLines | kTreeLinesAtRoot | kGroup;

// The folder, the module file and test file fields of the two
// single-function pages, from the row `y` down.
void AddFileFields(std::vector<ControlTemplate>& c, int y) {
  // Module files left, test files right; the test files' names are the
  // longer ones, so their edits get a little more, enough for a full path
  // under a user's default folder.
  c.push_back(Label("保存目录：", 7, y, 40, 14));
  c.push_back(Edit(ctl::files::kFolder, 49, y, 135, 14, kGroup));
  c.push_back(Button(ctl::files::kBrowseFolder, "...", 187, y, 14, 14));
  int y1 = y + 20, y2 = y + 38, y3 = y + 56;
  c.push_back(Check(ctl::files::kMakeModule, "生成编程模板代码：", 7, y1, 80, 14));
  c.push_back(Line(90, y1 + 7, 111));
  c.push_back(Label("头文件：", 7, y2, 40, 14));
  c.push_back(Edit(ctl::files::kHeaderFile, 49, y2, 135, 14));
  c.push_back(Button(ctl::files::kBrowseHeader, "...", 187, y2, 14, 14));
  c.push_back(Label("cpp文件：", 7, y3, 40, 14));
  c.push_back(Edit(ctl::files::kCppFile, 49, y3, 135, 14));
  c.push_back(Button(ctl::files::kBrowseCpp, "...", 187, y3, 14, 14));
  c.push_back(Check(ctl::files::kMakeTest, "生成测试代码：", 210, y1, 64, 14));
  c.push_back(Line(277, y1 + 7, 142));
  c.push_back(Label("头文件：", 210, y2, 36, 14));
  c.push_back(Edit(ctl::files::kTestHeaderFile, 248, y2, 154, 14));
  c.push_back(Button(ctl::files::kBrowseTestHeader, "...", 405, y2, 14, 14));
  c.push_back(Label("cpp文件：", 210, y3, 36, 14));
  c.push_back(Edit(ctl::files::kTestCppFile, 248, y3, 154, 14));
  c.push_back(Button(ctl::files::kBrowseTestCpp, "...", 405, y3, 14, 14));
  // Wider: the module files and the test files take half of the extra
  // width each, so that both show long paths.
  auto fields = [y](const ControlTemplate& f) { return f.y >= y; };
  auto rightHalf = [y](const ControlTemplate& f) { return f.y >= y && f.x >= 205; };
  Horizontal(c, fields, 0, 0);
  Horizontal(c, [&](const ControlTemplate& f) { return fields(f) && (f.kind == K::Edit || f.kind == K::EtchedLine); },
             0, 50);
  Horizontal(c, [&](const ControlTemplate& f) { return fields(f) && f.kind == K::Button; }, 50, 50);
  Horizontal(c, rightHalf, 50, 50);
  Horizontal(c, [&](const ControlTemplate& f) { return rightHalf(f) && (f.kind == K::Edit || f.kind == K::EtchedLine); },
             50, 100);
  Horizontal(c, [&](const ControlTemplate& f) { return rightHalf(f) && f.kind == K::Button; }, 100, 100);
}

// The tree and the preview of the single-function pages take the extra
// height, everything from the row `belowRow` down moves with the foot; of
// the extra width the tree takes 30 percent and the preview the rest.
void GrowTreeAndPreview(DialogTemplate& t, int rightColumn, int belowRow) {
  Horizontal(t.controls, RightOfAbove(rightColumn, belowRow), 30, 30);
  Horizontal(t.controls, Is(ctl::tree::kTree), 0, 30);
  Horizontal(t.controls, Is(ctl::files::kModuleName), 30, 100);
  Horizontal(t.controls, Is(ctl::tree::kPreview), 30, 100);
  Horizontal(t.controls, Is(IDCANCEL), 100, 100);
  Horizontal(t.controls, Is(ctl::tree::kEdit), 100, 100);
  Horizontal(t.controls, Is(IDOK), 100, 100);
  Vertical(t.controls, Below(belowRow), 100, 100);
  Vertical(t.controls, Is(ctl::tree::kTree), 0, 100);
  Vertical(t.controls, Is(ctl::tree::kPreview), 0, 100);
}

DialogTemplate SinglePage() {
  DialogTemplate t{IDD_SINGLE_PAGE, "单一FOS/BLS模板代码", 426, 368, "宋体", 9, {
      Label("模块列表：    ", 7, 7, 57, 14),
      Radio(ctl::files::kFos, "FOS(&F)", 41, 20, 40, 10, kGroup),
      Radio(ctl::files::kBls, "BLS(&B)", 127, 20, 40, 10),
      {K::TreeView, ctl::tree::kTree, "", 7, 39, 185, 184, kTreeStyle},
      Label("生成模块ID|FOS/BLS：", 204, 7, 89, 8),
      Edit(ctl::files::kModuleName, 294, 7, 125, 14, kDisabled | kGroup),
      Label("代码风格：", 204, 26, 46, 8),
      Radio(ctl::tree::kPlain, "简约型(&J)", 252, 25, 56, 10, kGroup),
      Radio(ctl::tree::kBeautify, "局部美化(&M)", 312, 25, 62, 10),
      Label("插入请求变量检查代码：", 204, 42, 100, 8),
      Radio(ctl::single::kValidateNone, "不插入(&1)", 214, 54, 50, 10, kGroup),
      Radio(ctl::single::kValidateLoose, "松散代码(&2)", 268, 54, 54, 10),
      Radio(ctl::single::kValidateCompact, "紧凑代码(&3)", 326, 54, 54, 10),
      Radio(ctl::single::kValidateMacro, "宏(&4)", 384, 54, 35, 10),
      Label("cpp代码：", 204, 70, 60, 8),
      Edit(ctl::tree::kPreview, 204, 80, 215, 143, kPreviewStyle),
      {K::ComboBox, ctl::single::kFindBy, "", 7, 229, 62, 60, kDropList | kNoSort | kGroup, {"功能编码", "ID", "名称"}},
      Edit(ctl::single::kFindText, 73, 229, 80, 14),
      Button(ctl::single::kFind, "查找(&L)", 157, 229, 35, 14),
      Button(IDCANCEL, "复制(&C)", 313, 229, 50, 14),
      Button(ctl::tree::kEdit, "编辑(&E)", 369, 229, 50, 14),
  }};
  AddFileFields(t.controls, 252);
  t.controls.push_back(Check(ctl::files::kNoPrompt, "覆盖原有文件时，不提示。", 7, 334, 112, 10));
  t.controls.push_back(DefButton(IDOK, "确定", 369, 346, 50, 14));
  GrowTreeAndPreview(t, 204, 229);
  Horizontal(t.controls, Is(ctl::single::kFindText), 0, 30);
  Horizontal(t.controls, Is(ctl::single::kFind), 30, 30);
  return t;
}

DialogTemplate ClientPage() {
  DialogTemplate t{IDD_CLIENT_PAGE, "单一FOS/BLS客户端访问代码片", 426, 321, "宋体", 9, {
      Label("模块列表：    ", 7, 7, 57, 14),
      Radio(ctl::files::kFos, "FOS(&F)", 41, 20, 40, 10, kGroup),
      Radio(ctl::files::kBls, "BLS(&B)", 127, 20, 40, 10),
      {K::TreeView, ctl::tree::kTree, "", 7, 31, 185, 169, kTreeStyle},
      Label("模块ID|FOS/BLS：  ", 206, 7, 69, 14),
      Edit(ctl::files::kModuleName, 281, 7, 137, 14, kDisabled | kGroup),
      Label("代码风格：", 206, 26, 46, 8),
      Radio(ctl::tree::kPlain, "简约型(&J)", 254, 25, 56, 10, kGroup),
      Radio(ctl::tree::kBeautify, "局部美化(&M)", 314, 25, 62, 10),
      Label("客户访问代码：", 206, 40, 80, 8),
      Edit(ctl::tree::kPreview, 206, 50, 212, 150, kPreviewStyle),
      Button(IDCANCEL, "复制(&C)", 312, 206, 50, 14),
      Button(ctl::tree::kEdit, "编辑(&E)", 368, 206, 50, 14),
  }};
  AddFileFields(t.controls, 206);
  t.controls.push_back(Check(ctl::files::kNoPrompt, "覆盖原有文件时，不提示。", 7, 284, 112, 10));
  t.controls.push_back(DefButton(IDOK, "确定", 368, 300, 50, 14));
  GrowTreeAndPreview(t, 206, 206);
  return t;
}

}  // namespace

const ControlTemplate* DialogTemplate::Find(int controlId) const {
  if (controlId == IDC_STATIC) return nullptr;
  for (const ControlTemplate& c : controls)
    if (c.id == controlId) return &c;
  return nullptr;
}

const std::vector<DialogTemplate>& AllDialogTemplates() {
  static const std::vector<DialogTemplate> all = [] {
    std::vector<DialogTemplate> v{ExportPage(),  LoginPage(),  CheckPage(),    CodePage(),
                                  LoginDialog(), SinglePage(), ClientPage(), CommentDialog()};
    std::sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    return v;
  }();
  return all;
}

const DialogTemplate* FindDialogTemplate(int id) {
  for (const DialogTemplate& t : AllDialogTemplates())
    if (t.id == id) return &t;
  return nullptr;
}

}  // namespace ff::res
