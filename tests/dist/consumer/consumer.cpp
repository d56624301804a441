// A program of someone else's that uses the installed tools library:
// finds a GBK line, reads the integers after it and formats them. check_consumers.sh
// builds it against the installed headers, once through pkg-config and
// once through find_package(TmTools), and runs it.
#include <tmtools/ReadALine.h>
#include <tmtools/TmString.h>

#include <cstdio>
#include <string>

#include "all_headers.h"  // every installed header, to prove each compiles

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    FILE* file = fopen(argv[1], "rb");
    if (!file)
        return 1;
    // A GBK keyword line, then the numbers on the next line.
    CReadALine reader(nullptr);
    int values[3] = {0, 0, 0};
    int count = 3;
    const bool read = reader.FindString(file, L"层数") && reader.ReadIntegers(file, 0, count, values);
    fclose(file);
    std::string text;
    TMTOOLS::String::DecodeUnicode(0, TMTOOLS::String::stringFormat(L"%d: %d+%d=%d", count, values[0], values[1],
                                                                    values[0] + values[1]),
                                   text);
    printf("%s %s\n", read ? "read" : "failed", text.c_str());
    return read ? 0 : 1;
}
