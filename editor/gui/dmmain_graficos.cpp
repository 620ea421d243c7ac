// dmmain_graficos: the main window's tactile-graphic commands: the empty
// graphic, the insertion of a graphic reference of each kind after the
// graphic is checked in the viewer, relief text, and the graphic page
// preview's connection to the braille view.
#include "editor/gui/dmmain.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

#include "core/dmvars.h"
#include "editor/dmgraficos_insercao.h"
#include "editor/gui/dmVisual.h"
#include "output/dmgrafpr_vazio.h"
#include "output/gui/TformAltoRelevo.h"
#include "output/gui/TformExibeGraf.h"
#include "output/gui/TformVisualGraf.h"
#include "platform/arquivos.h"
#include "platform/qt/arquivosqt.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

void TformPrincipal::CriaMenusGraficos() {
    LigaComando("Criargrficovazio1Click", [this] { Criargrficovazio1Click(); });
    LigaComando("imPaginaGrafClick", [this] { imPaginaGrafClick(); });
    LigaComando("imIntercalarGrafClick", [this] { imIntercalarGrafClick(); });
    LigaComando("imEmbutirGrafClick", [this] { imEmbutirGrafClick(); });
    LigaComando("Inserirtextoemaltorelevo1Click", [this] { Inserirtextoemaltorelevo1Click(); });
    Criargrficovazio1 = Acao("Criargrficovazio1");
    imPaginaGraf = Acao("imPaginaGraf");
    imIntercalarGraf = Acao("imIntercalarGraf");
    imEmbutirGraf = Acao("imEmbutirGraf");
    Inserirtextoemaltorelevo1 = Acao("Inserirtextoemaltorelevo1");

    dialogoAbrirGrafico = [this](const std::string& dir, std::string& nome) {
        return EscolheArquivoParaAbrir(this, dir, "Grafico Tátil (*.GRB *.grb);;Todos os arquivos (*)"_cp,
                                       "grb", nome);
    };
    executaModalGrafico = [](QDialog& janela) { return janela.exec(); };
}

void TformPrincipal::Criargrficovazio1Click() { CriaGraficoVazio(ArqAtual); }

bool TformPrincipal::ExibeGrafico(const std::string& nome) {
    if (!formExibeGraf || !executaModalGrafico) return false;
    formExibeGraf->NomeArquivo = nome;
    formExibeGraf->GraficoConfirmado = 0;
    executaModalGrafico(*formExibeGraf);
    return formExibeGraf->GraficoConfirmado == 1;
}

void TformPrincipal::InserirgrficoClick(int tipo) {
    std::string arquivo;
    if (dialogoAbrirGrafico && dialogoAbrirGrafico(DirDocumento, arquivo) && !arquivo.empty() &&
        ExibeGrafico(arquivo))
        InsereReferenciaGrafico(*this, tipo, arquivo, ArqAtual);
    // The dialog may have changed the working folder.
    VoltaDir();
}

void TformPrincipal::Inserirtextoemaltorelevo1Click() {
    if (!formAltoRelevo || !executaModalGrafico) return;
    if (executaModalGrafico(*formAltoRelevo) != QDialog::Accepted) return;
    InsereReferenciaGrafico(*this, formAltoRelevo->TipoGrafico, formAltoRelevo->ArquivoGRB, ArqAtual);
}

void TformPrincipal::LigaVisualGraf(TformVisual* visual, TformVisualGraf* grafico) {
    if (!visual || !grafico) return;
    grafico->Ligacoes.LinhasRascunho = []() -> const std::vector<std::string>& { return LinhasRascunho; };
    grafico->Ligacoes.LinhaSelecionada = [visual] { return visual->lboxVisual->currentRow(); };
    grafico->Ligacoes.ProximaPagina = [visual] { visual->ProximaPagina(); };
    grafico->Ligacoes.PaginaAnterior = [visual] { visual->PaginaAnterior(); };
    visual->Ligacoes.MostraGrafico = [grafico] {
        if (grafico->isVisible()) {
            grafico->DesenhaPagina();
        } else {
            grafico->show();
        }
        grafico->raise();
        grafico->activateWindow();
    };
    visual->Ligacoes.GraficoVisivel = [grafico] { return grafico->isVisible(); };
    visual->Ligacoes.RedesenhaGrafico = [grafico] { grafico->DesenhaPagina(); };
    visual->Ligacoes.FechaGrafico = [grafico] { grafico->close(); };
    visual->AtualizaComandos();
}
