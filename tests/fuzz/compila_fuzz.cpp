// Fuzz target: compiles arbitrary marked-up documents under settings taken
// from the first bytes of the input, then compiles single lines of it.
// Nothing may crash, hang or trip a sanitizer.
//
//   cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
//         -DDOTMARA_FUZZ=ON -DDOTMARA_GUI=OFF -DDOTMARA_TESTS=OFF \
//         -DDOTMARA_SANITIZE=address,undefined
//   ninja -C build-fuzz fuzz_compila && build-fuzz/tests/fuzz/fuzz_compila -max_total_time=60
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/documento.h"
#include "core/dmtraduz.h"
#include "core/dmtraduz_estado.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"

namespace {

struct Leitor {
    const std::uint8_t* p;
    size_t n;
    std::uint8_t Byte()
    {
        if (n == 0) return 0;
        --n;
        return *p++;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, size_t tamanho)
{
    static DialogosFalsos silencio;
    static LinhasEmMemoria doc;
    static const std::string arquivo = [] {
        const std::string a = DirTemporario() + "fuzz_rascunho_" + std::to_string(getpid()) + ".txt";
        static const std::string nativo = CaminhoNativo(a);
        std::atexit([] { std::remove(nativo.c_str()); });
        return a;
    }();
    DefineDialogos(&silencio);
    silencio.Limpa();
    DefineDocumentoAtual(&doc);

    RestauraPadroes();
    Leitor l{dados, tamanho};
    const std::uint8_t a = l.Byte(), b = l.Byte(), c = l.Byte(), d = l.Byte();
    MaxCarac = a % 48;          // 0..47, also degenerate widths
    MaxLin = b % 32;            // 0..31
    EstiloNumPag = c & 3;
    TipoCabec = (c >> 2) % 3;
    TipoTratGrafico = (c >> 4) % 5;
    FrenteVerso = d & 1;
    AutoJunta = d & 2;
    SeparaSilabas = d & 4;
    BrailleAntigo = d & 8;
    ImprEnviaVazias = d & 16;
    AfastaCabPar = d & 32;
    TiraBrancasInicioPag = d & 64;
    CfgTextoIngles = d & 128;
    const std::uint8_t e = l.Byte();
    ImprMarca = (e & 1) ? "Tiger" : "Index";
    PedidoCompilacao pedido;
    pedido.PagInicial = 1 + (e >> 1) % 4;
    pedido.PagFinal = (e & 0x80) ? 9999 : pedido.PagInicial + (e >> 3) % 6;
    pedido.NumPagInic = 1 + l.Byte() % 5;
    Titulo = "titulo";
    ArqRascunho = arquivo;
    pedido.ParaVisualizacao = l.Byte() & 1;
    bool tamanhoReal = l.Byte() & 1;
    DefineConsultaTamanhoReal([tamanhoReal] { return tamanhoReal; });

    doc.linhas.clear();
    std::string linha;
    for (size_t i = 0; i < l.n; ++i) {
        const char ch = static_cast<char>(l.p[i]);
        if (ch == '\n') {
            doc.linhas.push_back(linha);
            linha.clear();
        } else {
            linha += ch;
        }
    }
    doc.linhas.push_back(linha);

    pedido.LinhaCursor = static_cast<int>(doc.linhas.size() / 2);
    pedido.Tradutores = InicioDosTradutores();
    CompilaRascunho(pedido);
    for (size_t i = 0; i < doc.linhas.size() && i < 4; ++i) (void)CompilaLinha(static_cast<int>(i));
    (void)TraduzTexto(linha);
    DefineConsultaTamanhoReal(nullptr);
    return 0;
}
