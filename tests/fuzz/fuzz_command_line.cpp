// Any command line: its arguments, joined by one blank, are the search text at start-up.
#include "fuzz_support.h"

#include "app/command_line.h"

#include <string>
#include <vector>

using namespace orbisco;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input's NUL bytes separate the arguments, as they do in a process's argument block.
    std::vector<std::string> arguments{"orbisco"};
    std::string current;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.push_back(current);
            current.clear();
        } else {
            current += char(data[i]);
        }
    }
    if (size > 0)
        arguments.push_back(current);
    std::vector<const char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(argument.c_str());

    const QString text = commandLineText(int(argv.size()), argv.data());
    FUZZ_CHECK(text.count(u' ') >= qsizetype(arguments.size()) - 2);
    const auto form = loadedForm(text);
    FUZZ_CHECK(form->Text1.Text() == text);
    fuzz::checkCounter(*form);
    if (text.isEmpty())
        FUZZ_CHECK(form->List1.ListCount() == 243);
    return 0;
}
