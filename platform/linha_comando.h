// linha_comando: the programs' command line. Qt is given the program's name
// only, so that no argument is taken as one of Qt's own options ("-reverse",
// "-style", "-platform" ...) and removed: dotmara's first argument names the
// document to open whatever it looks like, and kelto, which takes none, is
// changed by none.
#pragma once

#include <array>
#include <string>
#include <vector>

class LinhaDeComando {
public:
    LinhaDeComando(int argc, char** argv);
    LinhaDeComando(const LinhaDeComando&) = delete;
    LinhaDeComando& operator=(const LinhaDeComando&) = delete;

    // What the QApplication is made with (it keeps both for its whole life,
    // as this object must live).
    int& ArgcQt() { return argcQt_; }
    char** ArgvQt() { return argvQt_.data(); }
    // The arguments after the program's name, as the program's text.
    const std::vector<std::string>& Argumentos() const { return argumentos_; }

private:
    std::string programa_;
    int argcQt_ = 1;
    std::array<char*, 2> argvQt_{};
    std::vector<std::string> argumentos_;
};
