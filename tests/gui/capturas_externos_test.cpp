// Screenshots of what the Word export and the external programs show (run
// by tools/capturas.sh, not by ctest): the notice while the document is
// made, the end boxes with the document's path, the refusals of the
// program launcher and where a profile loaded kept the settings it
// replaced, each on the real message windows; and the print dialog with
// what it says when the print server does not answer, when the dialog's
// PDF entry is chosen for a byte-stream embosser, and when a line would not
// fit a Tiger's paper.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <memory>
#include <string>

#include "core/dmtraduz.h"
#include "core/dmvars.h"
#include "core/documento.h"
#include "core/gui/TformEspere.h"
#include "core/gui/dialogosqt.h"
#include "editor/dmexternos.h"
#include "editor/dmperfil.h"
#include "gui/capturas_apoio.h"
#include "output/dmmsword.h"
#include "output/gui/TformConta.h"
#include "output/gui/TformImprime.h"
#include "platform/arquivos.h"
#include "platform/qt/textoqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"
#include "support/temporario.h"

namespace {

// The real windows, each saved as it opens and then closed with OK.
class DialogosCapturados : public DialogosQt {
public:
    std::string prefixo;
    int MensagemOK(const std::string& texto) override {
        Arma();
        return DialogosQt::MensagemOK(texto);
    }
    int Caixa(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
              bool semDono) override {
        Arma();
        return DialogosQt::Caixa(texto, titulo, icone, botoes, semDono);
    }
    void MostraEspere(const std::string& texto) override {
        DialogosQt::MostraEspere(texto);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TformEspere*>(w) && w->isVisible()) GravaCaptura(w, prefixo + "_aviso.png");
    }

private:
    void Arma() {
        if (prefixo != ultimo_) n_ = 0;
        ultimo_ = prefixo;
        const std::string nome = prefixo + "_" + std::to_string(++n_) + ".png";
        auto* t = new QTimer();
        t->setInterval(10);
        QObject::connect(t, &QTimer::timeout, [t, nome] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            t->stop();
            t->deleteLater();
            GravaCaptura(d, nome);
            d->accept();
        });
        t->start();
    }
    int n_ = 0;
    std::string ultimo_;
};

class CapturasExternos : public ::testing::Test {
protected:
    void SetUp() override {
        RestauraPadroes();
        DirPrograma = pasta.dir();
        DefineDialogos(&caixas);
    }
    void TearDown() override {
        DefineDialogos(nullptr);
        RestauraPadroes();
    }
    PastaTemporaria pasta;
    ServicosFalsosEscopo srv;
    DialogosCapturados caixas;
};

TEST_F(CapturasExternos, DISABLED_ExportacaoEProgramas) {
    // The export of a short draft when no program opens the document.
    ArqAtual = "/home/transcritor/Documentos/A horta da escola.txt";
    ArqRascunho = pasta.grava("rascunho.txt", "  .a turma do #e.o ano plantou 9alface9'\r\n");
    srv.fake.abreResultado = false;
    caixas.prefixo = "word";
    const std::string doc = GeraDocWord(true);
    EXPECT_FALSE(doc.empty());
    std::remove(CaminhoNativo(doc).c_str());

    caixas.prefixo = "kelto_ativo";
    srv.fake.instanciasAtivas.insert(kInstanciaKelto);
    ChamaKelto();

    caixas.prefixo = "kelto_pasta";
    srv.fake.instanciasAtivas.clear();
    ProgKelto = pasta.caminho("programas/kelto");
    ChamaKelto();

    caixas.prefixo = "grafemor_vazio";
    ProgGrafemor.clear();
    ChamaGrafemor();

    caixas.prefixo = "velun_invalido";
    ProgVelun = pasta.grava("velun.bat", "velun\r\n");
    ::chmod(CaminhoNativo(ProgVelun).c_str(), 0644);
    ChamaVelun();

    caixas.prefixo = "puma_ausente";
    ProgPuma = pasta.caminho("puma2.exe");
    PreparaPuma();

    caixas.prefixo = "manual_ausente";
    VariavelAmbiente dados("DOTMARA_DATA_DIR", pasta.dir());
    AbreManual();

    caixas.prefixo = "perfil_carregado";
    const std::string ini = pasta.grava("DOTMARA.INI", "[DOTMARA]\r\nmaxCarac=34\r\n");
    EXPECT_TRUE(CarregaConfiguracao(pasta.grava("livro.ini", "[DOTMARA]\r\nmaxCarac=40\r\n"), ini, [] {}));
}

TEST_F(CapturasExternos, DISABLED_DialogoDeImpressao) {
    ArqAmbCode = std::string(DOTMARA_DATA_DIR) + "/ambcode.cfg";
    ArqAmbCode2 = std::string(DOTMARA_DATA_DIR) + "/ambcode2.cfg";
    ArqRascunho = pasta.caminho("rascunho.txt");
    LinhasEmMemoria doc({"A horta da escola: a turma do quinto ano plantou alface, couve e cenoura."});
    DefineDocumentoAtual(&doc);
    formConta = new TformConta;
    formImprime = new TformImprime;
    formImprime->show();
    formImprime->edNomeArqImpr->setText(QStringLiteral("PRN"));
    EXPECT_TRUE(GravaCaptura(formImprime, "imprime_dialogo.png"));

    caixas.prefixo = "imprime_servidor_calado";
    formImprime->ConsultaFilas = [] { return FilasImpressao{false, 0}; };
    formImprime->btnImprime->click();

    caixas.prefixo = "imprime_pdf_bruto";
    formImprime->ConsultaFilas = [] { return FilasImpressao{true, 1}; };
    formImprime->DialogoImpressora = [this](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(ParaQString(pasta.caminho("livro.pdf")));
        return true;
    };
    ImprMarca = "Index Basic";
    formImprime->show();
    formImprime->btnImprime->click();

    caixas.prefixo = "imprime_tiger_estreita";
    ImprMarca = "Tiger";
    ImprColunas = 30;
    formImprime->show();
    formImprime->btnImprime->click();
    while (!TThreadImpressao::Terminaram()) {
        QApplication::processEvents();
        QThread::msleep(2);
    }
    TformImprime::EncerraImpressao();
    DefineFabricaTiger(nullptr);
    DefineDocumentoAtual(nullptr);
    delete formImprime;
    delete formConta;
    formImprime = nullptr;
    formConta = nullptr;
}

// The box a compile shows for the characters it left out of the braille.
TEST_F(CapturasExternos, DISABLED_CaracteresSemSinal) {
    caixas.prefixo = "caracteres_sem_sinal";
    std::vector<EstadoCompilacao::Omitido> omitidos = {
        {0x99, -1, 12}, {0x99, 3, 2}, {0xB7, 7, 1}, {0xEB, 15, 4}, {0x07, 21, 1}};
    EXPECT_EQ(dialogos().MensagemOK(MensagemOmitidos(omitidos)), mrOk);
    for (unsigned char c = 1; c < 14; ++c) omitidos.push_back({c, 40, 1});
    caixas.prefixo = "caracteres_sem_sinal_muitos";
    EXPECT_EQ(dialogos().MensagemOK(MensagemOmitidos(omitidos)), mrOk);
}

} // namespace
