// Stands in for the web browser in the link test: the shell starts it with
// the address it was asked to open, and it writes that address to a file.
//
//   url_recorder.exe OUTPUT_FILE ADDRESS
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    std::FILE* out = std::fopen(argv[1], "wb");
    if (!out) return 1;
    std::fputs(argv[2], out);
    return std::fclose(out) == 0 ? 0 : 1;
}
