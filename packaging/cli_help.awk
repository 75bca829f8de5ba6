# Reads a program's --help in CLI11's layout (an entry's description starts
# at one column, 31 by default, on the entry's line or, when the entry is
# long, on the next line, indented to that column; the column is taken from
# the line of --help).
#   MODE=fix    prints the help with every entry whose description follows
#               it after a single blank split onto two lines, the layout
#               help2man reads as an option and its description
#   MODE=roff   prints one command's help as man page text: its description,
#               then each entry (but --help) as a tagged paragraph with the
#               option in bold and its value in italics
# Run as: awk -v MODE=fix|roff -f cli_help.awk
function text(s) {  # roff: a backslash as \e, a leading . or ' as text
  gsub(/\\/, "\\e", s)
  if (s ~ /^[.']/) s = "\\&" s
  return s
}
function word(s) { gsub(/\\/, "\\e", s); gsub(/-/, "\\-", s); return s }
function tag(name,    n, parts, out, i) {
  n = split(name, parts, / +/)
  out = (parts[1] ~ /^-/ ? "\\fB" : "\\fI") word(parts[1]) "\\fR"
  for (i = 2; i <= n; i++) {
    if (i == 2 && parts[i] ~ /^[A-Z]+(:.*)?$/) out = out " \\fI" word(parts[i]) "\\fR"
    else out = out " " word(parts[i])
  }
  return out
}
{ line[NR] = $0 }
!width && match($0, /^  (-h, ?)?--help +/) { width = RLENGTH }
END {
  if (!width) width = 30
  continuation = "^" sprintf("%" width "s", "") "[^ ]"
  for (i = 1; i <= NR; i++) {
    l = line[i]
    entry = l ~ /^  [^ ]/
    split_here = entry && length(l) > width && substr(l, width, 1) == " " && line[i + 1] !~ continuation
    if (MODE == "fix") {
      if (split_here && substr(l, width - 1, 1) != " ") {
        print substr(l, 1, width - 1)
        printf "%" width "s%s\n", "", substr(l, width + 1)
      } else {
        print l
      }
      continue
    }
    # roff
    if (l ~ /^Usage:/ || l ~ /^[A-Z][a-z]*:$/ || l ~ /^ *$/) continue
    if (entry) {
      if (split_here) { name = substr(l, 1, width - 1); desc = substr(l, width + 1) }
      else { name = l; desc = "" }
      while (line[i + 1] ~ continuation) { i++; sub(/^ +/, "", line[i]); desc = desc (desc == "" ? "" : " ") line[i] }
      sub(/^ +/, "", name); sub(/ +$/, "", name)
      if (name ~ /^(-h,)?--help$/) continue
      print ".TP"
      print tag(name)
      if (desc != "") print text(desc)
    } else if (l ~ continuation) {
      sub(/^ +/, "", l); print text(l)
    } else {
      print ".PP"; print text(l)
    }
  }
}
