// Build-time tool of the native tree: turns the STRINGTABLE entries of the
// program's .rc files into a C++ table, so that portable code shows the
// same texts natively as the Windows build loads from its resources.
// Usage: string_table_gen OUT.cpp IN.rc...
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

// "id, \"text\"" or "id \"text\"" on one line; the text keeps its escapes,
// except that the resource compiler's doubled quote becomes \".
bool ParseEntry(const std::string& line, std::string* id, std::string* literal) {
  size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  size_t idEnd = line.find_first_of(" \t,\"", i);
  if (idEnd == std::string::npos) return false;
  *id = line.substr(i, idEnd - i);
  size_t open = line.find('"', idEnd);
  if (open == std::string::npos) return false;
  literal->clear();
  for (size_t k = open + 1; k < line.size(); ++k) {
    char c = line[k];
    if (c == '\\' && k + 1 < line.size()) {
      *literal += c;
      *literal += line[++k];
    } else if (c == '"') {
      if (k + 1 < line.size() && line[k + 1] == '"') {
        *literal += "\\\"";
        ++k;
      } else {
        return true;
      }
    } else {
      *literal += c;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: string_table_gen OUT.cpp IN.rc...\n";
    return 2;
  }
  std::ostringstream body;
  for (int a = 2; a < argc; ++a) {
    std::ifstream in(argv[a]);
    if (!in) {
      std::cerr << "string_table_gen: cannot read " << argv[a] << "\n";
      return 1;
    }
    bool inTable = false, inBlock = false;
    std::string line, id, literal;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      std::string trimmed = line.substr(0, line.find("//"));
      trimmed.erase(0, trimmed.find_first_not_of(" \t"));
      if (trimmed.rfind("STRINGTABLE", 0) == 0) {
        inTable = true;
        continue;
      }
      if (inTable && !inBlock && (trimmed.rfind("BEGIN", 0) == 0 || trimmed.rfind("{", 0) == 0)) {
        inBlock = true;
        continue;
      }
      if (inBlock && (trimmed.rfind("END", 0) == 0 || trimmed.rfind("}", 0) == 0)) {
        inTable = inBlock = false;
        continue;
      }
      if (inBlock && ParseEntry(line, &id, &literal)) body << "    {" << id << ", \"" << literal << "\"},\n";
    }
  }
  std::ofstream out(argv[1]);
  out << "// Generated from the program's .rc files by string_table_gen. Do not edit.\n"
         "#include <cstddef>\n#include <string>\n\n#include \"platform/platform.h\"\n"
         "#include \"resources/resource.h\"\n\nnamespace {\nstruct Entry {\n  int id;\n"
         "  const char* text;\n};\nconst Entry kEntries[] = {\n"
      << body.str()
      << "    {0, nullptr}};\n}  // namespace\n\nnamespace platform {\n\n"
         "std::string StringResource(int id) {\n"
         "  for (const Entry* e = kEntries; e->text; ++e)\n"
         "    if (e->id == id) return e->text;\n  return std::string();\n}\n\n}  // namespace platform\n";
  return out ? 0 : 1;
}
