#include "res/docsite_templates.h"

#include "res/text.h"

#include <vector>

namespace ff::res::site {

const std::string& GeneratorMark() { return FF_GBK("FidForge docs"); }

const std::string& Page() {
  return FF_GBK(R"(<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8"/>
<meta name="generator" content="FidForge docs"/>
<meta name="viewport" content="width=device-width, initial-scale=1"/>
<title>%Title% - FidForge 消息字典</title>
<link rel="stylesheet" href="style.css"/>
<script src="search.js" defer="defer"></script>
</head>
<body>
<header class="bar">
<a class="home" href="index.html">FidForge 消息字典</a>
<nav>
<a href="index.html#fos">FOS 模块</a>
<a href="index.html#bls">BLS 模块</a>
<a href="fids.html">FID</a>
<a href="errors.html">错误码</a>
<a href="rules.html">检查规则</a>
</nav>
<form class="search" action="index.html" method="get" hidden="hidden">
<input type="search" name="q" placeholder="搜索编码、名称或编号" aria-label="搜索编码、名称或编号" autocomplete="off"/>
</form>
</header>
<div id="results" class="results" hidden="hidden"></div>
<main>
%Body%</main>
<footer>由 FidForge 从数据库 <code>%Database%</code> 生成，%Date%</footer>
</body>
</html>
)");
}

// --- index.html ----------------------------------------------------------------

const std::string& IndexTitle() { return FF_GBK("索引"); }

const std::string& IndexBody() {
  return FF_GBK(R"(<h1>消息字典</h1>
<p class="source">数据库 <code>%Database%</code>，生成日期 %Date%</p>
<ul class="summary">
<li><a href="#fos">FOS 模块 %FosModuleCount% 个，操作码 %FosFunctionCount% 个</a></li>
<li><a href="#bls">BLS 模块 %BlsModuleCount% 个，交易码 %BlsFunctionCount% 个</a></li>
<li><a href="fids.html">FID %FidCount% 个</a>（未定义 %UndefinedCount% 个，未使用 %UnusedCount% 个）</li>
<li><a href="errors.html">错误码 %ErrorCount% 个，分类 %CategoryCount% 个</a></li>
<li><a href="rules.html">代码检查：错误 %LintErrors% 个，警告 %LintWarnings% 个</a></li>
</ul>
<h2 id="fos">FOS 模块</h2>
%FosModules%<h2 id="bls">BLS 模块</h2>
%BlsModules%<h2 id="categories">错误码分类</h2>
%Categories%)");
}

const std::string& IndexModuleList() { return FF_GBK("<ul class=\"modules\">\n%Items%</ul>\n"); }

const std::string& IndexModule() {
  return FF_GBK(
      R"(<li><a href="%Page%"><span class="num">%Id%</span> %Name% %ChineseName%</a> <span class="count">%Count% 个</span>%Lint%</li>
)");
}

const std::string& IndexModuleLint() {
  return FF_GBK(R"( <a class="mark" href="%Page%#lint">检查：错误 %Errors% 个，警告 %Warnings% 个</a>)");
}

const std::string& IndexCategoryList() { return FF_GBK("<ul class=\"categories\">\n%Items%</ul>\n"); }

const std::string& IndexCategory() {
  return FF_GBK(R"(<li><a href="%Href%">%Name%</a> <span class="count">%Count% 个</span></li>
)");
}

const std::string& NoEntries() { return FF_GBK("<p class=\"none\">无</p>\n"); }

// --- module pages ----------------------------------------------------------------

const std::string& ModuleTitle() { return FF_GBK("%Kind% 模块 %Id% %Name%"); }

const std::string& ModuleBody() {
  return FF_GBK(R"(<h1><span class="kind">%Kind%</span> 模块 <span class="num">%Id%</span> %Name%</h1>
<p class="subtitle">%ChineseName%（%Count% 个）</p>
%Findings%<ol class="toc">
%Toc%</ol>
%Functions%)");
}

const std::string& TocEntry() {
  return FF_GBK(
      R"(<li><a href="#%Anchor%"><span class="num">%Number%</span> <code>%Code%</code> %Name%</a></li>
)");
}

const std::string& FosFunction() {
  return FF_GBK(R"(<section class="function" id="%Anchor%">
<h2><span class="num">%Number%</span> <code>%Code%</code> %Name%</h2>
<table class="facts">
<tr><th>操作码</th><td>%Number%</td></tr>
<tr><th>FOS编码</th><td><code>%Code%</code></td></tr>
<tr><th>宏名</th><td><code>%Macro%</code></td></tr>
<tr><th>函数名</th><td><code>%Function%</code></td></tr>
<tr><th>原型</th><td><code>%Prototype%</code></td></tr>
<tr><th>FOS名称</th><td>%Name%</td></tr>
<tr><th>应答类型</th><td>%AnswerType%</td></tr>
<tr><th>设计</th><td class="text">%Design%</td></tr>
<tr><th>备注</th><td class="text">%Note%</td></tr>
</table>
%Findings%<h3>请求参数</h3>
%Request%<h3>应答参数</h3>
%Answer%</section>
)");
}

const std::string& BlsFunction() {
  return FF_GBK(R"(<section class="function" id="%Anchor%">
<h2><span class="num">%Number%</span> <code>%Code%</code> %Name%</h2>
<table class="facts">
<tr><th>交易码</th><td>%Number%</td></tr>
<tr><th>BLS编码</th><td><code>%Code%</code></td></tr>
<tr><th>宏名</th><td><code>%Macro%</code></td></tr>
<tr><th>函数名</th><td><code>%Function%</code></td></tr>
<tr><th>原型</th><td><code>%Prototype%</code></td></tr>
<tr><th>BLS名称</th><td>%Name%</td></tr>
<tr><th>应答类型</th><td>%AnswerType%</td></tr>
<tr><th>交易类型</th><td>%TransType%</td></tr>
<tr><th>设计</th><td class="text">%Design%</td></tr>
<tr><th>备注</th><td class="text">%Note%</td></tr>
</table>
%Findings%<h3>请求参数</h3>
%Request%<h3>应答参数</h3>
%Answer%</section>
)");
}

const std::string& AnswerSingle() { return FF_GBK("%Type%（单行应答）"); }
const std::string& AnswerMultiRow() { return FF_GBK("%Type%（多行应答）"); }
const std::string& AnswerProcedure() { return FF_GBK("%Type%（存储过程应答 o_RetCode、o_RetNote）"); }
const std::string& TransForward() { return FF_GBK("%Type%（转发上级服务）"); }
const std::string& TransAudited() { return FF_GBK("%Type%（复核两步流程）"); }
const std::string& TransNoForward() { return FF_GBK("%Type%（不转发）"); }
const std::string& MandatoryYes() { return FF_GBK("是"); }
const std::string& MandatoryNo() { return FF_GBK("否"); }

const std::string& FosParams() {
  return FF_GBK(R"(<div class="wide"><table class="params fos">
<thead><tr><th>#</th><th>FID编码</th><th>参数名称</th><th>参数数据类型</th><th>C++ 类型</th><th>变量名</th><th>强制标志</th></tr></thead>
<tbody>
%Rows%</tbody>
</table></div>
)");
}

const std::string& BlsParams() {
  return FF_GBK(R"(<div class="wide"><table class="params bls">
<thead><tr><th>#</th><th>FID编码</th><th>参数名称</th><th>参数数据类型</th><th>类型说明</th><th>C++ 类型</th><th>变量名</th><th>强制标志</th><th>参数精度</th><th>小数点长度</th><th>取值范围</th><th>测试默认值</th><th>备注信息</th></tr></thead>
<tbody>
%Rows%</tbody>
</table></div>
)");
}

const std::string& FosParamRow() {
  return FF_GBK(
      R"(<tr><td>%Index%</td><td><a href="%FidHref%">%Code%</a></td><td>%Name%</td><td>%DataType%</td><td>%CType%</td><td>%Variable%</td><td>%Mandatory%</td></tr>
)");
}

const std::string& BlsParamRow() {
  return FF_GBK(
      R"(<tr><td>%Index%</td><td><a href="%FidHref%">%Code%</a></td><td>%Name%</td><td>%DataType%</td><td>%TypeSpec%</td><td>%CType%</td><td>%Variable%</td><td>%Mandatory%</td><td>%Precision%</td><td>%Decimals%</td><td>%Range%</td><td>%Default%</td><td>%Note%</td></tr>
)");
}

const std::string& NoParams() { return FF_GBK("<p class=\"none\">无</p>\n"); }

// --- fids.html -----------------------------------------------------------------

const std::string& FidsTitle() { return FF_GBK("FID 索引"); }

const std::string& FidsBody() {
  return FF_GBK(R"(<h1>FID 索引</h1>
<p class="subtitle">已定义 %FidCount% 个，未定义 %UndefinedCount% 个，未使用 %UnusedCount% 个；按编码（FID_ 之后）的首字符分页，FID 多的首字符再按前两个字符分页</p>
%Groups%<h2 id="undefined">未定义的 FID</h2>
<p class="subtitle">参数使用了、T151 中没有定义的 FID</p>
%Undefined%<h2 id="unused">未使用的 FID</h2>
<p class="subtitle">已定义、没有参数使用的 FID</p>
%Unused%)");
}

const std::string& FidGroupTitle() { return FF_GBK("FID %Group%"); }

const std::string& FidGroupBody() {
  return FF_GBK(R"(<h1>FID <span class="num">%Group%</span></h1>
<p class="subtitle">编码以 %Group% 开头的 FID，已定义 %FidCount% 个；<a href="fids.html">FID 索引</a></p>
%Groups%%Rows%%Undefined%)");
}

const std::string& FidGroupList() { return FF_GBK("<ul class=\"groups\">\n%Items%</ul>\n"); }

const std::string& FidGroupLink() {
  return FF_GBK(R"(<li><a href="%Href%">%Group%</a> <span class="count">%Count%</span></li>
)");
}

const std::string& FidLinkList() { return FF_GBK("<ul class=\"fidlist\">\n%Items%</ul>\n"); }

const std::string& FidLink() {
  return FF_GBK(R"(<li><a href="%Href%"><code>%Code%</code></a> %Name%</li>
)");
}

// The FIDs of a page in tables of a few rows under one heading table, all
// with the same fixed columns: the browser lays out only the tables in view.
const std::string& FidTable() {
  return FF_GBK(R"(<div class="fidrows">
<table class="fids defined"><colgroup><col class="num"/><col class="code"/><col class="name"/><col class="type"/><col class="note"/><col class="check"/><col/></colgroup>
<thead><tr><th>FID</th><th>FID编码</th><th>FID名称</th><th>数据类型</th><th>备注</th><th>检查</th><th>使用于</th></tr></thead>
</table>
%Chunks%</div>
)");
}

const std::string& FidChunk() {
  return FF_GBK(R"(<div class="chunk"><table class="fids defined"><colgroup><col class="num"/><col class="code"/><col class="name"/><col class="type"/><col class="note"/><col class="check"/><col/></colgroup>
<tbody>
%Rows%</tbody>
</table></div>
)");
}

const std::string& UndefinedFidTable() {
  return FF_GBK(R"(<h2 id="undefined">未定义的 FID</h2>
<div class="wide"><table class="fids undefined">
<thead><tr><th>FID编码</th><th>参数名称</th><th>检查</th><th>使用于</th></tr></thead>
<tbody>
%Rows%</tbody>
</table></div>
)");
}

const std::string& FidRow() {
  return FF_GBK(
      R"(<tr id="%Anchor%" class="%Class%"><td>%Number%</td><td>%Code%</td><td>%Name%</td><td>%DataType%</td><td>%Note%</td><td>%Status%</td><td>%Uses%</td></tr>
)");
}

const std::string& UndefinedFidRow() {
  return FF_GBK(
      R"(<tr id="%Anchor%" class="undefined"><td>%Code%</td><td>%Name%</td><td>%Status%</td><td>%Uses%</td></tr>
)");
}

const std::string& FidUnusedMark() { return FF_GBK("<span class=\"mark\">未使用</span>"); }
const std::string& FidUndefinedBlsMark() { return FF_GBK("<span class=\"mark\">BLS中未定义</span> "); }
const std::string& FidUndefinedFosMark() { return FF_GBK("<span class=\"mark\">FOS中未定义</span> "); }

const std::string& FidUse() {
  return FF_GBK(R"(<a href="%Href%">%Code%</a> )");
}

// --- lint findings ----------------------------------------------------------------

const std::string& FindingList() { return FF_GBK("<ul class=\"findings\">\n%Items%</ul>\n"); }

const std::string& FindingItem() {
  return FF_GBK(
      R"(<li class="%Class%"><span class="sev">%Severity%</span> <a href="%RuleHref%"><code>%Rule%</code></a> <code class="where">%Where%</code> %Message%</li>
)");
}

const std::string& SeverityError() { return FF_GBK("错误"); }
const std::string& SeverityWarning() { return FF_GBK("警告"); }

const std::string& FunctionFindings() { return FF_GBK("<h3>代码检查</h3>\n%List%"); }

const std::string& ModuleFindings() {
  return FF_GBK(R"(<section class="lint" id="lint">
<h2>代码检查</h2>
<p class="subtitle">错误 %Errors% 个，警告 %Warnings% 个；规则见 <a href="rules.html">检查规则</a></p>
%List%%Functions%</section>
)");
}

const std::string& ModuleFindingFunctions() { return FF_GBK("<ul class=\"lintfunctions\">\n%Items%</ul>\n"); }

const std::string& ModuleFindingFunction() {
  return FF_GBK(
      R"(<li><a href="#%Anchor%"><span class="num">%Number%</span> <code>%Code%</code> %Name%</a> <span class="count">错误 %Errors% 个，警告 %Warnings% 个</span></li>
)");
}

// --- rules.html ------------------------------------------------------------------

const std::string& FosParamOwnerQuery() { return FF_GBK("SELECT ID, F13 OWNER FROM T156"); }
const std::string& BlsParamOwnerQuery() { return FF_GBK("SELECT ID, F1 OWNER FROM T162"); }

const std::string& RulesTitle() { return FF_GBK("检查规则"); }

const std::string& RulesBody() {
  return FF_GBK(R"(<h1>检查规则</h1>
<p class="subtitle">fidforge-cli lint 的规则，共发现错误 %Errors% 个，警告 %Warnings% 个。规则名不变；说明与示例同 FidForge 手册 docs/lint.md 的规则表。</p>
<div class="wide"><table class="rules">
<thead><tr><th>规则</th><th>级别</th><th>检查内容</th><th>错误</th><th>警告</th></tr></thead>
<tbody>
%Rows%</tbody>
</table></div>
%Elsewhere%)");
}

const std::string& RuleRow() {
  return FF_GBK(
      R"(<tr id="%Anchor%"><td><code>%Rule%</code></td><td>%Severity%</td><td>%Summary%</td><td>%Errors%</td><td>%Warnings%</td></tr>
)");
}

const std::string& RulesElsewhere() {
  return FF_GBK(R"(<h2 id="other">其他发现</h2>
<p class="subtitle">没有页面可放的发现（如不存在的模块中的函数）</p>
%List%)");
}

const std::vector<RuleText>& RuleTable() {
  struct Entry {
    const char* rule;
    const char* severity;
    const char* summary;
  };
  static const Entry kEntries[] = {
      {"macro-redefined", "错误（值相同时为警告）",
       "一个宏名被 fiddef.h、fosdef.h、blsdef.h、sysdef.h 中的两个（或其包含保护宏）定义，或在 sysdef.h 中定义两次"},
      {"code-not-identifier", "错误",
       "FID 编码、FOS/BLS 编码（点变为下划线）、函数名、错误码编码或错误信息编码不是 C/C++ 标识符"},
      {"code-is-keyword", "错误", "同上，名字是 C++ 关键字（或 defined）"},
      {"text-line-break", "错误", "写在一行中的编码或名称含有回车、换行或制表符"},
      {"comment-backslash", "错误", "落在 // 注释里的名称或备注以反斜杠结尾"},
      {"comment-close", "*/ 为错误，/* 为警告", "落在 /* */ 例程注释里的文字含有 */ 或 /*"},
      {"string-literal-break", "错误", "代码放进字符串常量的文字含有 \" 或 \\"},
      {"text-not-gbk", "错误", "没有 GBK 编码的字符，或不是 GBK 字符的字节"},
      {"param-type-mismatch", "C 类型不同为错误，否则为警告", "参数的数据类型与 T151 中其 FID 的不同"},
      {"param-without-fid", "错误", "参数没有 FID 编码"},
      {"fid-duplicate-number", "错误", "两个 FID 编号相同"},
      {"fid-duplicate-code", "错误", "两个 FID 编码相同"},
      {"function-duplicate-number", "错误", "两个 FOS（或两个 BLS）函数编号相同"},
      {"function-duplicate-code", "错误", "两个 FOS（或两个 BLS）函数编码相同（A.B 与 A_B 是同一个宏）"},
      {"number-invalid", "错误", "FID、FOS 或 BLS 编号为空或超出 STR 的宽度；数据类型为 6 的错误码的值不是数字"},
      {"function-module-missing", "警告", "函数所属的模块不存在，没有模块源文件包含它"},
      {"module-id-folder", "错误", "模块号无法作为 module --all 的目录名：为空、不是正数、过宽或与其他模块相同"},
      {"fid-undefined-bls", "错误", "BLS 参数使用、但没有定义的 FID（FID 检查页）"},
      {"fid-undefined-fos", "错误", "FOS 参数使用、但没有定义的 FID（FID 检查页）"},
      {"fid-unused", "警告", "已定义、但没有参数使用的 FID（FID 检查页）"},
  };
  static const std::vector<RuleText> table = [] {
    std::vector<RuleText> converted;
    for (const Entry& entry : kEntries) {
      converted.push_back(RuleText{entry.rule, gbk::FromUtf8(entry.severity), gbk::FromUtf8(entry.summary)});
    }
    return converted;
  }();
  return table;
}

const RuleText* RuleDescription(std::string_view rule) {
  for (const RuleText& text : RuleTable()) {
    if (text.rule == rule) return &text;
  }
  return nullptr;
}

// --- errors.html -----------------------------------------------------------------

const std::string& ErrorsTitle() { return FF_GBK("错误码"); }

const std::string& ErrorsBody() {
  return FF_GBK(R"(<h1>错误码</h1>
<p class="subtitle">共 %ErrorCount% 个，宏名同 <code>sysdef.h</code></p>
%Categories%)");
}

const std::string& ErrorCategory() {
  return FF_GBK(R"(<section class="category" id="%Anchor%">
<h2>%Category% <span class="count">%Count% 个</span></h2>
<div class="wide"><table class="errors">
<thead><tr><th>错误码</th><th>错误码编码</th><th>错误信息编码</th><th>错误信息</th><th>错误码数据类型</th><th>检查</th></tr></thead>
<tbody>
%Rows%</tbody>
</table></div>
</section>
)");
}

const std::string& ErrorRow() {
  return FF_GBK(
      R"(<tr><td>%Value%</td><td>%Code%</td><td>%MessageCode%</td><td>%Message%</td><td>%Kind%</td><td>%Findings%</td></tr>
)");
}

// --- search ----------------------------------------------------------------------

const std::string& SearchIndex() {
  return FF_GBK(R"(/* FidForge docs: the entries the search box filters. */
var FF_INDEX = [
%Entries%];
)");
}

const std::string& SearchEntry() { return FF_GBK(R"(["%Kind%","%Code%","%Name%","%Number%","%Href%"],
)"); }

const std::string& SearchScript() {
  return FF_GBK(R"(/* FidForge docs: the search box. Filters the entries of search-index.js
   by code, name or number as the user types; needs no network. The index is
   large, so it is read when the box is first used, not with every page.
   index.html?q=TEXT opens with TEXT searched. Without scripts the box stays
   hidden and every page reads as it is. */
(function () {
  "use strict";
  var form = document.querySelector("form.search");
  var box = form ? form.querySelector("input") : null;
  var panel = document.getElementById("results");
  if (!form || !box || !panel) return;
  var LIMIT = 200;
  var haystacks = null;
  var loading = false;
  var failed = false;

  function load() {
    if (loading || failed || typeof FF_INDEX !== "undefined") return;
    loading = true;
    var script = document.createElement("script");
    script.src = "search-index.js";
    script.onload = function () {
      loading = false;
      show(box.value);
    };
    script.onerror = function () {
      loading = false;
      failed = true;
      show(box.value);
    };
    document.head.appendChild(script);
  }

  function prepare() {
    haystacks = new Array(FF_INDEX.length);
    for (var i = 0; i < FF_INDEX.length; i++) {
      var e = FF_INDEX[i];
      haystacks[i] = (e[1] + "\n" + e[2] + "\n" + e[3]).toLowerCase();
    }
  }

  function say(text) {
    var head = document.createElement("p");
    head.className = "found";
    head.textContent = text;
    panel.appendChild(head);
    panel.hidden = false;
  }

  function clear() {
    while (panel.firstChild) panel.removeChild(panel.firstChild);
  }

  function item(entry) {
    var li = document.createElement("li");
    var a = document.createElement("a");
    a.href = entry[4];
    var kind = document.createElement("span");
    kind.className = "kind";
    kind.textContent = entry[0];
    var num = document.createElement("span");
    num.className = "num";
    num.textContent = entry[3];
    var code = document.createElement("code");
    code.textContent = entry[1];
    a.appendChild(kind);
    a.appendChild(document.createTextNode(" "));
    a.appendChild(num);
    a.appendChild(document.createTextNode(" "));
    a.appendChild(code);
    a.appendChild(document.createTextNode(" " + entry[2]));
    li.appendChild(a);
    return li;
  }

  function show(text) {
    var q = text.replace(/^\s+|\s+$/g, "").toLowerCase();
    clear();
    if (!q) {
      panel.hidden = true;
      return;
    }
    if (typeof FF_INDEX === "undefined") {
      if (failed) {
        say("无法读取搜索索引 search-index.js");
      } else {
        say("正在读取搜索索引……");
        load();
      }
      return;
    }
    if (!haystacks) prepare();
    var list = document.createElement("ol");
    var found = 0;
    for (var i = 0; i < haystacks.length; i++) {
      if (haystacks[i].indexOf(q) < 0) continue;
      found++;
      if (found <= LIMIT) list.appendChild(item(FF_INDEX[i]));
    }
    say(found === 0 ? "没有找到“" + text + "”" :
        found > LIMIT ? "找到 " + found + " 项，显示前 " + LIMIT + " 项" : "找到 " + found + " 项");
    if (found > 0) panel.appendChild(list);
  }

  form.hidden = false;
  box.addEventListener("focus", load);
  form.addEventListener("submit", function (event) {
    event.preventDefault();
    show(box.value);
  });
  box.addEventListener("input", function () { show(box.value); });
  // A result on the same page only moves the view: the list steps aside.
  panel.addEventListener("click", function (event) {
    if (event.target.closest && event.target.closest("a")) panel.hidden = true;
  });
  box.addEventListener("keydown", function (event) {
    if (event.key === "Escape") {
      box.value = "";
      show("");
    }
  });
  var match = /[?&]q=([^&#]*)/.exec(window.location.search);
  if (match) {
    var query = "";
    try {
      query = decodeURIComponent(match[1].replace(/\+/g, " "));
    } catch (err) {
      query = match[1];
    }
    box.value = query;
    show(query);
  }
})();
)");
}

// --- style.css ---------------------------------------------------------------------

const std::string& Stylesheet() {
  return FF_GBK(R"(/* FidForge docs: one stylesheet for the screen and for print. */
:root {
  --ink: #1d232b;
  --muted: #5b6672;
  --line: #d5dbe1;
  --soft: #f3f5f7;
  --accent: #0b5cad;
  --warn: #a33a00;
}
html { font-size: 15px; }
body {
  margin: 0;
  color: var(--ink);
  background: #fff;
  font-family: system-ui, -apple-system, "Segoe UI", "Noto Sans CJK SC", "Source Han Sans SC",
    "PingFang SC", "Microsoft YaHei", "WenQuanYi Micro Hei", sans-serif;
  line-height: 1.5;
}
code, .num {
  font-family: ui-monospace, "DejaVu Sans Mono", Consolas, "Noto Sans Mono CJK SC", monospace;
  font-size: 0.93em;
}
a { color: var(--accent); text-decoration: none; }
a:hover { text-decoration: underline; }
header.bar {
  position: sticky;
  top: 0;
  z-index: 2;
  display: flex;
  flex-wrap: wrap;
  align-items: center;
  gap: 0.4rem 1.2rem;
  padding: 0.5rem 1.5rem;
  background: #20303f;
  color: #fff;
}
header.bar a { color: #fff; }
header.bar .home { font-weight: 600; }
header.bar nav { display: flex; gap: 1rem; flex: 1; }
form.search input {
  width: 22rem;
  max-width: 60vw;
  padding: 0.3rem 0.6rem;
  border: 1px solid #8aa0b5;
  border-radius: 4px;
  font: inherit;
}
.results {
  position: sticky;
  top: 2.9rem;
  z-index: 1;
  max-height: 60vh;
  overflow: auto;
  margin: 0;
  padding: 0.5rem 1.5rem;
  background: #fffbe8;
  border-bottom: 1px solid var(--line);
  box-shadow: 0 4px 10px rgba(0, 0, 0, 0.08);
}
.results ol { margin: 0; padding-left: 1.5rem; columns: 2 28rem; }
.results .found { margin: 0 0 0.3rem; color: var(--muted); }
main { max-width: 78rem; margin: 0 auto; padding: 1rem 1.5rem 3rem; }
footer { max-width: 78rem; margin: 0 auto; padding: 1rem 1.5rem; color: var(--muted); border-top: 1px solid var(--line); }
h1 { font-size: 1.6rem; margin: 0.6rem 0 0.2rem; }
h2 { font-size: 1.25rem; margin: 1.6rem 0 0.4rem; }
h3 { font-size: 1.05rem; margin: 1rem 0 0.3rem; }
.subtitle, .source, .count, .none { color: var(--muted); }
.count { font-size: 0.9rem; font-weight: normal; }
.kind {
  display: inline-block;
  padding: 0 0.35em;
  border-radius: 3px;
  background: var(--soft);
  color: var(--muted);
  font-size: 0.8em;
  font-weight: 600;
}
.num { color: var(--muted); }
ul.summary { padding-left: 1.2rem; }
section.module { break-inside: avoid; }
section.module h3 { border-bottom: 1px solid var(--line); padding-bottom: 0.2rem; }
ul.functions, ol.toc { columns: 3 20rem; column-gap: 2rem; padding-left: 1.2rem; margin: 0.3rem 0; }
ul.functions { list-style: none; padding-left: 0; }
section.function {
  margin: 1.5rem 0;
  padding-top: 0.5rem;
  border-top: 2px solid var(--line);
  scroll-margin-top: 3.5rem;
}
/* A module page holds up to thousands of table rows: the browser lays out
   the sections in view and keeps a size for the others, so that a large
   page opens as fast as a small one. Links into a section still land. */
section.function, section.category { content-visibility: auto; contain-intrinsic-size: auto 1300px; }
table { border-collapse: collapse; margin: 0.3rem 0; }
th, td { padding: 0.2rem 0.6rem; border: 1px solid var(--line); text-align: left; vertical-align: top; }
th { font-weight: normal; }
thead th { background: var(--soft); white-space: nowrap; color: var(--muted); }
table.facts th { background: var(--soft); white-space: nowrap; color: var(--muted); }
/* The tables are large: their cells carry no classes, the columns are styled here. */
table.params td:nth-child(1), table.params td:nth-child(4), table.bls td:nth-child(9), table.bls td:nth-child(10),
table.defined td:nth-child(1), table.defined td:nth-child(4), table.errors td:nth-child(1),
table.errors td:nth-child(5) { text-align: right; color: var(--muted); }
table.params td:nth-child(2), table.fos td:nth-child(5), table.fos td:nth-child(6), table.bls td:nth-child(5),
table.bls td:nth-child(6), table.bls td:nth-child(7), table.defined td:nth-child(2), table.undefined td:nth-child(1),
table.errors td:nth-child(2), table.errors td:nth-child(3) {
  font-family: ui-monospace, "DejaVu Sans Mono", Consolas, "Noto Sans Mono CJK SC", monospace;
  font-size: 0.93em;
}
table.bls td:nth-child(13), table.defined td:nth-child(5), td.text { white-space: pre-wrap; }
.wide { overflow-x: auto; }
tr.unused td, tr.undefined td { background: #fff5ee; }
.mark { color: var(--warn); font-weight: 600; white-space: nowrap; }
table.defined { table-layout: fixed; width: 100%; margin: 0; }
table.defined td { overflow-wrap: anywhere; }
table.defined col.num { width: 4.5rem; }
table.defined col.code { width: 12rem; }
table.defined col.name { width: 8rem; }
table.defined col.type { width: 5.5rem; }
table.defined col.note { width: 9rem; }
table.defined col.check { width: 10rem; }
.fidrows { margin: 0.3rem 0; }
.fidrows .chunk { margin-top: -1px; content-visibility: auto; contain-intrinsic-size: auto 900px; }
table.defined td:nth-child(7) a, table.undefined td:nth-child(4) a {
  white-space: nowrap;
  margin-right: 0.4rem;
  font-family: ui-monospace, "DejaVu Sans Mono", Consolas, monospace;
  font-size: 0.9em;
}
ul.modules { columns: 2 30rem; column-gap: 2rem; padding-left: 0; list-style: none; }
ul.modules li { break-inside: avoid; }
ul.groups { display: flex; flex-wrap: wrap; gap: 0.2rem 0.9rem; padding: 0; list-style: none; }
ul.groups a { font-family: ui-monospace, "DejaVu Sans Mono", Consolas, monospace; font-weight: 600; }
ul.fidlist { columns: 3 18rem; column-gap: 2rem; padding-left: 1.2rem; }
ul.findings { margin: 0.3rem 0; padding-left: 1.2rem; }
ul.findings .sev { font-weight: 600; }
ul.findings li.error .sev, td .findings li.error .sev { color: #b00020; }
ul.findings li.warning .sev { color: var(--warn); }
ul.findings code.where { color: var(--muted); }
td ul.findings { padding-left: 0; list-style: none; }
section.lint { margin: 1rem 0; padding: 0.3rem 1rem; border-left: 3px solid var(--warn); background: #fffaf5; }
table.rules td:nth-child(1) { white-space: nowrap; }
table.rules td:nth-child(4), table.rules td:nth-child(5) { text-align: right; }
tr:target, li:target { background: #fff3c4; }
[hidden] { display: none !important; }
@media print {
  html { font-size: 10pt; }
  header.bar, .results { display: none !important; }
  main, footer { max-width: none; padding: 0; }
  a { color: inherit; }
  section.function { break-inside: avoid-page; }
  section.function, section.category, .fidrows .chunk { content-visibility: visible; }
  tr, thead { break-inside: avoid; }
  .wide { overflow: visible; }
  ul.functions, ol.toc { columns: 2; }
}
)");
}

// --- the desktop program ------------------------------------------------------------

const std::string& FolderBrowserTitle() { return FF_GBK("选择字典网站的放置目录"); }
const std::string& SiteFailed() { return FF_GBK("字典网站没有生成，原有页面未作改动：\n%Reason%"); }

}  // namespace ff::res::site
