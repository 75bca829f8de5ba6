#include "module/cpp_highlighter.h"

#include <QColor>

namespace ff::gui {

namespace {

QTextCharFormat Colour(const char* rgb, bool bold = false) {
  QTextCharFormat format;
  format.setForeground(QColor(QLatin1String(rgb)));
  if (bold) format.setFontWeight(QFont::Bold);
  return format;
}

}  // namespace

CppHighlighter::CppHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
  const QString keywords = QStringLiteral(
      "\\b(if|else|for|while|do|switch|case|default|break|continue|return|goto|struct|class|"
      "union|enum|typedef|static|extern|const|volatile|sizeof|new|delete|this|true|false|NULL|"
      "public|private|protected|virtual|inline|namespace|using|template|typename|try|catch|throw)\\b");
  const QString types = QStringLiteral(
      "\\b(void|char|short|int|long|float|double|bool|unsigned|signed|BOOL|DWORD|WORD|BYTE|"
      "LPSTR|LPCSTR|CString|std::string)\\b");
  rules_.push_back({QRegularExpression(keywords), Colour("#0000c0", true)});
  rules_.push_back({QRegularExpression(types), Colour("#2b6f8f", true)});
  rules_.push_back({QRegularExpression(QStringLiteral("\\b(0[xX][0-9a-fA-F]+|\\d+(\\.\\d+)?)\\b")),
                    Colour("#a0522d")});
  rules_.push_back({QRegularExpression(QStringLiteral("^\\s*#\\s*\\w+.*$")), Colour("#7a3e9d")});
  rules_.push_back({QRegularExpression(QStringLiteral("\"(\\\\.|[^\"\\\\])*\"|'(\\\\.|[^'\\\\])*'")),
                    Colour("#a31515")});
  comment_ = Colour("#008000");
}

void CppHighlighter::highlightBlock(const QString& text) {
  for (const Rule& rule : rules_) {
    auto matches = rule.pattern.globalMatch(text);
    while (matches.hasNext()) {
      const QRegularExpressionMatch m = matches.next();
      setFormat(static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength()), rule.format);
    }
  }
  // Comments last: whatever they contain is comment. State 1 = inside /* */.
  int start = 0;
  if (previousBlockState() != 1) {
    start = -1;
    for (int i = 0; i + 1 < text.size(); ++i) {
      if (text[i] == QLatin1Char('"')) {  // skip string literals
        for (++i; i < text.size() && text[i] != QLatin1Char('"'); ++i)
          if (text[i] == QLatin1Char('\\')) ++i;
        continue;
      }
      if (text[i] == QLatin1Char('/') && text[i + 1] == QLatin1Char('/')) {
        setFormat(i, static_cast<int>(text.size()) - i, comment_);
        setCurrentBlockState(0);
        return;
      }
      if (text[i] == QLatin1Char('/') && text[i + 1] == QLatin1Char('*')) {
        start = i;
        break;
      }
    }
  }
  setCurrentBlockState(0);
  while (start >= 0) {
    const int end = static_cast<int>(text.indexOf(QStringLiteral("*/"), start + (previousBlockState() == 1 && start == 0 ? 0 : 2)));
    if (end < 0) {
      setFormat(start, static_cast<int>(text.size()) - start, comment_);
      setCurrentBlockState(1);
      return;
    }
    setFormat(start, end + 2 - start, comment_);
    start = static_cast<int>(text.indexOf(QStringLiteral("/*"), end + 2));
  }
}

}  // namespace ff::gui
