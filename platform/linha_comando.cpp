// linha_comando: the command line, kept from Qt.
#include "platform/linha_comando.h"

#include "platform/arquivos.h"

LinhaDeComando::LinhaDeComando(int argc, char** argv)
    : programa_(argc > 0 && argv[0] ? argv[0] : "") {
    argvQt_ = {programa_.data(), nullptr};
    for (int i = 1; i < argc && argv[i]; ++i) argumentos_.push_back(CaminhoDoSistema(argv[i]));
}
