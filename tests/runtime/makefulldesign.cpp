// Writes a project with every kind of object at its limit, to measure how the built
// application starts (see the README):
//   qv_make_full_design OUT.baf [--one-page]
#include "document/projectfile.h"
#include "fulldesign.h"

#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 3 || (argc == 3 && std::string(argv[2]) != "--one-page")) {
        std::cerr << "usage: qv_make_full_design OUT.baf [--one-page]\n";
        return 2;
    }
    qv::ProjectDocument design = qv::test::fullDesign(argc == 3);
    const qv::ProjectWriteResult written = qv::saveProjectFile(design, argv[1]);
    if (!written.ok) {
        std::cerr << "qv_make_full_design: " << written.message << '\n';
        return 1;
    }
    return 0;
}
