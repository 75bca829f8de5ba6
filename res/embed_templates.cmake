# Writes a C++ file holding every file of res/templates/ as bytes, exactly
# as stored (GBK, CR LF, trailing blanks): -DOUT=<cpp> -DDIR=<templates>.
file(GLOB _files RELATIVE ${DIR} ${DIR}/*.txt)
list(SORT _files)
set(_arrays "")
set(_entries "")
set(_n 0)
foreach(_name ${_files})
  file(READ ${DIR}/${_name} _hex HEX)
  if(_hex STREQUAL "")
    message(FATAL_ERROR "res/templates/${_name} is empty")
  endif()
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
  string(APPEND _arrays "const unsigned char k${_n}[] = {${_bytes}};\n")
  string(APPEND _entries "    {\"${_name}\", k${_n}, sizeof k${_n}},\n")
  math(EXPR _n "${_n} + 1")
endforeach()
file(WRITE ${OUT} "// Generated from res/templates/ by res/embed_templates.cmake.
#include <cstdio>
#include <cstdlib>

#include \"res/embedded_templates.h\"

namespace ff::res {
namespace {

${_arrays}
struct Entry {
  const char* name;
  const unsigned char* bytes;
  std::size_t size;
};

const Entry kEntries[] = {
${_entries}};

}  // namespace

std::string_view EmbeddedTemplate(std::string_view fileName) {
  for (const Entry& entry : kEntries) {
    if (fileName == entry.name) return {reinterpret_cast<const char*>(entry.bytes), entry.size};
  }
  std::fprintf(stderr, \"no embedded template %.*s\\n\", static_cast<int>(fileName.size()), fileName.data());
  std::abort();
}

std::vector<std::string_view> EmbeddedTemplateNames() {
  std::vector<std::string_view> names;
  for (const Entry& entry : kEntries) names.emplace_back(entry.name);
  return names;
}

}  // namespace ff::res
")
