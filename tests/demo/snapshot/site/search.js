/* FidForge docs: the search box. Filters the entries of search-index.js
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
