// Screenshots of the spell check (run by tools/capturas.sh, not by ctest):
// the replacement dialog as F7 brings it up on the sample document and on a
// misspelt word with its suggestions, the quick message; then the time of
// F7 to "Fim do Texto" over a correct text at the editor's limit, through
// the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/dmvars.h"
#include "editor/dmdic.h"
#include "editor/dmortog.h"
#include "editor/gui/dmQuickMsg.h"
#include "editor/gui/dmmain.h"
#include "editor/gui/dmsubst.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"
#include "support/temporario.h"
#include "gui/capturas_apoio.h"

namespace {

class CapturasOrtografia : public ::testing::Test {
protected:
    void SetUp() override {
        ini = std::make_unique<VariavelAmbiente>("DOTMARA_INI", pasta.caminho("capturas.ini"));
        RestauraPadroes();
        const std::string d = std::string(DOTMARA_DATA_DIR) + "/";
        ArqDicionario = d + "diciona.dic";
        ArqSufixos = d + "diciona.suf";
        ArqInexistentes = d + "diciona.exc";
        ArqNomes = d + "diciona.nom";
        ArqSugestoes = d + "diciona.sug";
        caixas = std::make_unique<DialogosFalsosEscopo>();
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        formSubst = new TformSubst(janela.get());
        janela->resize(1000, 700);
        janela->show();
    }
    void TearDown() override {
        delete formSubst;
        formSubst = nullptr;
        formPrincipal = nullptr;
        janela.reset();
        caixas.reset();
        LiberaDicionario();
        RestauraPadroes();
    }
    // F7, with a screenshot of the dialog while it is up; answers "Deixar".
    std::string F7Capturando(const std::string& arquivo) {
        std::string palavra;
        QTimer::singleShot(50, janela.get(), [&] {
            if (!formSubst->isVisible()) return;
            palavra = DeQString(formSubst->e_original->text());
            EXPECT_TRUE(GravaCaptura(formSubst, arquivo));
            formSubst->btnDeixarClick();
        });
        janela->Acao("Verificarerro1")->trigger();
        QApplication::processEvents();
        return palavra;
    }
    PastaTemporaria pasta;
    std::unique_ptr<VariavelAmbiente> ini;
    std::unique_ptr<DialogosFalsosEscopo> caixas;
    std::unique_ptr<TformPrincipal> janela;
};

TEST_F(CapturasOrtografia, DISABLED_DialogoDeSubstituicao) {
    ASSERT_TRUE(janela->CarregaArquivo(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt"));
    janela->PosicionaCursor(0, 0);
    // The sample document: the first stop is the program's name.
    EXPECT_EQ(F7Capturando("ortografia_exemplo.png"), "Dotmara");
    std::vector<std::string> paradas = {"Dotmara"};
    for (int i = 0; i < 10; ++i) {
        std::string p;
        QTimer::singleShot(0, janela.get(), [&] {
            if (!formSubst->isVisible()) return;
            p = DeQString(formSubst->e_original->text());
            formSubst->btnDeixarClick();
        });
        janela->Acao("Verificarerro1")->trigger();
        QApplication::processEvents();   // a timer left when no dialog came
        if (p.empty()) break;
        paradas.push_back(p);
    }
    std::printf("F7 on exemplo.txt stops at:");
    for (const auto& p : paradas) std::printf(" %s", Cp1252ParaUtf8(p).c_str());
    std::printf("\n");
    EXPECT_EQ(caixas->fake.Textos().back(), "Fim do Texto");

    // A misspelt word with its suggestions, the list open.
    janela->DefineLinhas({"   A professora abriu uma excessão para os alunos que ficaram doentes."_cp});
    janela->PosicionaCursor(0, 0);
    QTimer::singleShot(50, janela.get(), [&] {
        if (!formSubst->isVisible()) return;
        formSubst->ComboBox1->setCurrentIndex(0);
        EXPECT_TRUE(GravaCaptura(formSubst, "ortografia_sugestoes.png"));
        // The list open, as the screen shows it (the list is a window of
        // its own).
        formSubst->ComboBox1->showPopup();
        for (int i = 0; i < 10; ++i) QApplication::processEvents();
        if (QScreen* tela = formSubst->screen()) {
            const QRect r = formSubst->frameGeometry().adjusted(-10, -10, 10, 200);
            const QPixmap px = tela->grabWindow(0, r.x(), r.y(), r.width(), r.height());
            std::printf("%slista_sugestoes.png %dx%d\n", PastaCapturas().c_str(), px.width(), px.height());
            EXPECT_TRUE(px.save(QString::fromStdString(PastaCapturas() + "lista_sugestoes.png")));
        }
        formSubst->ComboBox1->hidePopup();
        formSubst->btnSubstituirClick();
    });
    janela->Acao("Verificarerro1")->trigger();
    std::printf("line after the replacement: %s\n", Cp1252ParaUtf8(janela->Linha(0)).c_str());
    EXPECT_TRUE(GravaCaptura(janela.get(), "ortografia_janela.png"));

    TformQuickMessage q;
    formQuickMessage = &q;
    q.Espera = [&](int) { EXPECT_TRUE(GravaCaptura(&q, "mensagem_rapida.png")); };
    ExibeMensagemRapida(janela.get(), "Dicionário carregado."_cp);
    formQuickMessage = nullptr;
}

TEST_F(CapturasOrtografia, DISABLED_TempoF7NoLimiteDoEditor) {
    ASSERT_TRUE(GaranteDicionario());
    std::string texto;
    ASSERT_TRUE(LeArquivo(std::string(DOTMARA_DATA_DIR) + "/exemplo.txt", texto));
    // The sample's correct words, in lines of about 70 characters.
    LinhasEmMemoria exemplo(DivideLinhas(texto));
    std::vector<std::string> palavras;
    int l = 0, c = 0;
    std::string p;
    while (ProximaPalavra(exemplo, l, c, p))
        if (PalavraCorreta(p)) palavras.push_back(p);
    std::vector<std::string> linhas;
    std::string linha;
    size_t total = 0;
    for (size_t i = 0; total < 300000; i = (i * 7 + 3) % palavras.size()) {
        linha += (linha.empty() ? "" : " ") + palavras[i];
        if (linha.size() > 70) {
            total += linha.size() + 2;
            linhas.push_back(linha + ".");
            linha.clear();
        }
    }
    janela->DefineLinhas(linhas);
    for (int vez = 0; vez < 3; ++vez) {
        janela->PosicionaCursor(0, 0);
        caixas->fake.Limpa();
        QElapsedTimer t;
        t.start();
        janela->Acao("Verificarerro1")->trigger();
        const qint64 ms = t.elapsed();
        std::printf("F7 to \"Fim do Texto\" over %zu characters in %zu lines: %lld ms\n", total, linhas.size(),
                    static_cast<long long>(ms));
        EXPECT_EQ(caixas->fake.Textos(), std::vector<std::string>{"Fim do Texto"});
    }
}

} // namespace
