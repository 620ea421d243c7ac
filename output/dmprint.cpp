// dmprint: the print job's start, its worker thread and its end sequence.
#include "output/dmprint.h"

#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "core/dmvars_valores.h"
#include "output/dmTiger.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/texto.h"

#include <mutex>
#include <thread>

std::atomic<bool> Imprimindo{false};
std::atomic<bool> ImpressaoAtiva{false};
std::atomic<bool> ImpressaoOk{true};

namespace {

// Set when the program closes: the worker then shows no more boxes.
std::atomic<bool> saindo{false};

bool Cancelado() { return CancelaImpressao.load(); }

int Caixa(const std::string& texto, const std::string& titulo) {
    if (saindo.load()) return mrOk;
    return dialogos().Caixa(texto, titulo, Icone::Nenhum, Botoes::OK, true);
}

void Mensagem(const std::string& texto) {
    if (!saindo.load()) dialogos().MensagemOK(texto);
}

}  // namespace

InstantaneoImpressao TiraInstantaneo() {
    InstantaneoImpressao i;
    ConfigPagina& c = i.pagina;
    c.ImprMarca = ImprMarca;
    c.EhTiger = ModeloEhTiger(ImprMarca);
    c.TipoTratGrafico = TipoTratGrafico;
    c.FrenteVerso = FrenteVerso;
    c.SoFrenteInterp = SoFrenteInterp;
    c.ArqAtual = ArqAtual;
    c.TamPrefixoMargem = static_cast<int>(PrefixoMargem.size());
    c.LarguraUtil = LarguraUtil();
    c.TabelaImpressora = TabelaImpressora;
    c.Celas = CelasAtuais();
    c.PontosDoCaractere = PontosDoCaractere;
    // The printing set, whatever a view compile or a preview loaded last.
    c.Geometria = GeometriaDoModelo(ImprMarca.c_str(), false);
    i.MargemImpar = MargemImpar;
    i.MargemPar = MargemPar;
    i.ImprEnviaVazias = ImprEnviaVazias;
    i.NumCopias = NumCopias;
    i.rascunhoLido = LeRascunho(ArqRascunho, i.rascunho);
    return i;
}

namespace {

// The copies of the job, page by page; false when a page did not go out.
bool ImprimeCopias(const InstantaneoImpressao& inst, Dispositivo& disp) {
    bool ok = true;
    PaginaImpressao pagina(inst.pagina, disp);
    if (inst.NumCopias > 0 && !inst.rascunhoLido) {
        Mensagem("Erro de leitura no arquivo de rascunho!");
        return false;
    }
    while (ok && CopiaAtual < inst.NumCopias && !Cancelado()) {
        CopiaAtual += 1;
        PaginaAtual = 1;
        pagina.MargemAtual = inst.MargemImpar;
        for (const std::string& linha : inst.rascunho) {
            if (Cancelado()) break;
            if (LinhaQuebraPagina(linha)) {
                ok = pagina.ImprimePagina();
                ImpressaoOk = ok;
                if (!ok) break;
                PaginaAtual += 1;
                if (LinhaQuebraDupla(linha)) {
                    pagina.SaltaPagina();
                    PaginaAtual += 1;
                }
                pagina.MargemAtual = PaginaAtual % 2 != 0 ? inst.MargemImpar : inst.MargemPar;
            } else if (linha.empty() && inst.ImprEnviaVazias) {
                pagina.AdicionaLinhaPagina(" ");
            } else {
                pagina.AdicionaLinhaPagina(linha);
            }
        }
        if (ok && !pagina.LinhasPagina().empty()) {
            ok = pagina.ImprimePagina();
            ImpressaoOk = ok;
        }
    }
    return ok;
}

}  // namespace

void ExecutaImpressao(const InstantaneoImpressao& inst, std::unique_ptr<Dispositivo> disp,
                      AvisosImpressao* avisos) {
    CopiaAtual = 0;
    ImpressaoOk = true;
    bool ok = false;
    // Nothing that goes wrong inside the copies (a failed allocation, an
    // exception from a back-end) may skip the end sequence, or the next job
    // would be refused for ever; an exception leaving the thread would end
    // the program with the user's document.
    if (disp) {
        try {
            ok = ImprimeCopias(inst, *disp);
        } catch (...) {
            ok = false;
        }
    }
    ImpressaoOk = ok;

    // End sequence: always runs, device closed and flags cleared before the
    // end box.
    if (disp && inst.pagina.ImprMarca.find("lichê"_cp) != std::string::npos)
        Caixa("Espere o fim da impressão"_cp, "Quando terminar, clique em OK");
    if (disp && ok) {
        try {
            ok = disp->Conclui();
        } catch (...) {
            ok = false;
        }
        ImpressaoOk = ok;
    }
    if (disp) disp->Fecha();
    disp.reset();
    Imprimindo = false;
    ImpressaoAtiva = false;
    if (avisos) avisos->EscondeProgresso();
    if (inst.AoTerminar) {
        try {
            inst.AoTerminar(ok && !Cancelado());
        } catch (...) {
        }
    }
    if (ok)
        Caixa("Arquivo enviado", "Fim de impressão"_cp);
    else
        Caixa("Erro ao acionar a impressora", "Verifique se a impressora está ligada"_cp);
}

// ---- Worker threads ------------------------------------------------------------

namespace {

struct Trabalhador {
    std::thread t;
    std::shared_ptr<std::atomic<bool>> terminou;
};

std::mutex mtxTrabalhadores;
std::vector<Trabalhador> trabalhadores;

// Joins the workers that are done (their threads have returned or are about
// to).
void JuntaTerminados() {
    std::vector<Trabalhador> prontos;
    {
        std::lock_guard<std::mutex> g(mtxTrabalhadores);
        for (auto it = trabalhadores.begin(); it != trabalhadores.end();) {
            if (it->terminou->load()) {
                prontos.push_back(std::move(*it));
                it = trabalhadores.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& p : prontos)
        if (p.t.joinable()) p.t.join();
}

}  // namespace

void TThreadImpressao::Inicia(std::unique_ptr<InstantaneoImpressao> inst, std::unique_ptr<Dispositivo> disp,
                              AvisosImpressao* avisos) {
    JuntaTerminados();
    auto terminou = std::make_shared<std::atomic<bool>>(false);
    std::thread t([inst = std::move(inst), disp = std::move(disp), avisos, terminou]() mutable {
        ExecutaImpressao(*inst, std::move(disp), avisos);
        terminou->store(true);
    });
    std::lock_guard<std::mutex> g(mtxTrabalhadores);
    trabalhadores.push_back(Trabalhador{std::move(t), std::move(terminou)});
}

bool TThreadImpressao::Terminaram() {
    std::lock_guard<std::mutex> g(mtxTrabalhadores);
    for (const auto& t : trabalhadores)
        if (!t.terminou->load()) return false;
    return true;
}

void TThreadImpressao::CancelaParaSair() {
    saindo = true;
    CancelaImpressao = true;
}

void TThreadImpressao::Termina() {
    std::vector<Trabalhador> todos;
    {
        std::lock_guard<std::mutex> g(mtxTrabalhadores);
        todos.swap(trabalhadores);
    }
    for (auto& t : todos)
        if (t.t.joinable()) t.t.join();
    saindo = false;
}

std::string TextoProgresso(int copiaAtual, int numCopias, int paginaAtual) {
    std::string s = "Imprimindo";
    if (copiaAtual > 0) s += " cópia "_cp + std::to_string(copiaAtual) + "/" + std::to_string(numCopias);
    if (paginaAtual > 1) s += " pag." + std::to_string(paginaAtual - 1);
    return s;
}

// ---- What the paper holds -------------------------------------------------------

namespace {

// Takes what it is sent: the page buffer is only measured.
class DispositivoNulo : public Dispositivo {
public:
    bool Envia(std::string_view) override { return true; }
    void Fecha() override {}
};

std::string Numero(int n) { return std::to_string(n); }

}  // namespace

std::string FolhaNaoComporta(const InstantaneoImpressao& inst, const CapacidadeFolha& folha) {
    DispositivoNulo nulo;
    PaginaImpressao pagina(inst.pagina, nulo);
    int numero = 1;
    pagina.MargemAtual = inst.MargemImpar;
    // Each page as the worker collects it (margin of its parity), measured.
    auto confere = [&]() -> std::string {
        const CapacidadeFolha e = pagina.ExtensaoTiger();
        pagina.DescartaPagina();
        if (e.celas > folha.celas)
            return "A página "_cp + Numero(numero) + " tem uma linha de " + Numero(e.celas) +
                   " celas (margem incluída),\r\ne a folha da impressora Tiger tem "_cp + Numero(folha.celas) +
                   " celas por linha (\"Colunas\" da seção IMPBRAILLE do DOTMARA.INI):\r\no fim da linha "_cp
                   "ficaria fora do papel. Nada foi enviado à impressora.\r\nDiminua as colunas da área de "_cp
                   "impressão ou a margem nos parâmetros do programa,\r\nou aumente \"Colunas\" na seção "_cp
                   "IMPBRAILLE."_cp;
        if (e.linhas > folha.linhas)
            return "A página "_cp + Numero(numero) + " tem " + Numero(e.linhas) +
                   " linhas, e a folha da impressora Tiger tem lugar para "_cp + Numero(folha.linhas) +
                   "\r\n(\"PolegsForm\", o comprimento do formulário em polegadas, na seção IMPBRAILLE do "_cp
                   "DOTMARA.INI):\r\nas últimas linhas ficariam fora do papel. Nada foi enviado à impressora."_cp
                   "\r\nDiminua as linhas da área de impressão nos parâmetros do programa,\r\nou aumente "_cp
                   "\"PolegsForm\" na seção IMPBRAILLE."_cp;
        return std::string();
    };
    for (const std::string& linha : inst.rascunho) {
        if (!LinhaQuebraPagina(linha)) {
            pagina.AdicionaLinhaPagina(linha);
            continue;
        }
        if (std::string m = confere(); !m.empty()) return m;
        numero += LinhaQuebraDupla(linha) ? 2 : 1;
        pagina.MargemAtual = numero % 2 != 0 ? inst.MargemImpar : inst.MargemPar;
    }
    return confere();
}

// ---- Start ------------------------------------------------------------------

bool IniciaImpressao(const CamposImpressao& campos, ServicosInicio& s, std::string& nomeDispositivo,
                     std::function<void(bool)> aoTerminar) {
    bool esperado = false;
    if (!Imprimindo.compare_exchange_strong(esperado, true)) {
        dialogos().MensagemOK("Não é possível imprimir duas listagens simultaneamente."_cp);
        return false;
    }
    nomeDispositivo.clear();
    auto falha = [&]() {
        nomeDispositivo.clear();
        ImpressaoAtiva = false;
        Imprimindo = false;
        return false;
    };
    if (!s.CarregaTabela()) {
        dialogos().MensagemOK(
            "Configuração da impressora Braille (amBCode.cfg) não encontrada."_cp);
        return falha();
    }
    const PedidoCompilacao pedido = PedidoCompilacao::Impressao(
        TextoParaInteiro(campos.pagInicial, 1), TextoParaInteiro(campos.pagFinal, 9999),
        TextoParaInteiro(campos.numPagInic, 1));
    NumCopias = TextoParaInteiro(campos.copias, 1);
    nomeDispositivo = campos.dispositivo;
    if (MaiusculasAnsi(nomeDispositivo) == "PRN" && !s.EscolheImpressora()) return falha();
    std::unique_ptr<Dispositivo> disp = s.Abre(nomeDispositivo);
    if (!disp) {
        dialogos().MensagemOK("Não foi possível abrir o dispositivo de saída."_cp);
        return falha();
    }
    s.MostraProgresso();
    if (!s.Compila(pedido)) {
        // No draft for this range: nothing stale is embossed.
        disp->Fecha();
        s.EscondeProgresso();
        return falha();
    }
    auto inst = std::make_unique<InstantaneoImpressao>(s.Instantaneo());
    if (const std::optional<CapacidadeFolha> folha = disp->Capacidade()) {
        if (const std::string m = FolhaNaoComporta(*inst, *folha); !m.empty()) {
            dialogos().MensagemOK(m);
            // Dropped unsent: nothing was drawn yet.
            disp->Fecha();
            s.EscondeProgresso();
            return falha();
        }
    }
    inst->AoTerminar = std::move(aoTerminar);
    CancelaImpressao = false;
    CopiaAtual = 0;
    PaginaAtual = 1;
    ImpressaoAtiva = true;
    TThreadImpressao::Inicia(std::move(inst), std::move(disp), s.Avisos());
    return true;
}
