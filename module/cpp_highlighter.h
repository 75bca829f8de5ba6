// C++ colours for the code previews: keywords, types, numbers, strings,
// comments and preprocessor lines, so that a long generated function reads
// like it does in an editor.
#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <vector>

class QTextDocument;

namespace ff::gui {

class CppHighlighter : public QSyntaxHighlighter {
 public:
  explicit CppHighlighter(QTextDocument* document);

 protected:
  void highlightBlock(const QString& text) override;

 private:
  struct Rule {
    QRegularExpression pattern;
    QTextCharFormat format;
  };
  std::vector<Rule> rules_;
  QTextCharFormat comment_;
};

}  // namespace ff::gui
