// quillmark-byte-scan: the yardstick for quillmark-convert's speed. Reads a file whole and
// counts its backslashes and braces in one pass: the least work any RTF reader does.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("Usage: quillmark-byte-scan FILE\n", stderr);
    return 2;
  }
  std::FILE* file = std::fopen(argv[1], "rb");
  if (file == nullptr) {
    std::perror(argv[1]);
    return 1;
  }
  std::string data;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  const long size = ok ? std::ftell(file) : -1;
  ok = size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
  if (ok) {
    data.resize(static_cast<std::size_t>(size));
    ok = std::fread(data.data(), 1, data.size(), file) == data.size();
  }
  std::fclose(file);
  if (!ok) {
    std::perror(argv[1]);
    return 1;
  }

  std::size_t backslashes = 0;
  std::size_t braces = 0;
  for (const char c : data) {
    if (c == '\\') {
      ++backslashes;
    } else if (c == '{' || c == '}') {
      ++braces;
    }
  }
  std::printf("%zu backslashes, %zu braces\n", backslashes, braces);
  return 0;
}
