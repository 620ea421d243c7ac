// Set-up of the settings windows' tests: the settings at their defaults with
// an INI file of the test's own, the main window and the braille view as the
// program makes them, a draft file of the test's own and scripted boxes.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>

#include <memory>
#include <string>
#include <vector>

#include "core/documento.h"
#include "core/dmutil.h"
#include "core/dmvars.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmmain.h"
#include "platform/arquivos.h"
#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "support/config_teste.h"
#include "support/temporario.h"

class JanelasConfig : public ::testing::Test {
protected:
    void SetUp() override {
        pastaAtual = DiretorioAtual();
        ArqRascunho = pasta.caminho("rascunho.txt");
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        visual = std::make_unique<TformVisual>();
        formVisual = visual.get();
        janela->LigaVisual(visual.get());
        DefineDocumentoAtual(janela.get());
    }
    void TearDown() override {
        DefineDocumentoAtual(nullptr);
        visual.reset();
        formVisual = nullptr;
        janela.reset();
        formPrincipal = nullptr;
        // Browsing returns to the document folder; the next test starts where
        // this one did.
        MudaDiretorioAtual(pastaAtual);
    }
    void Texto(const std::vector<std::string>& linhas) {
        std::string t;
        for (std::size_t i = 0; i < linhas.size(); ++i) t += (i ? "\n" : "") + linhas[i];
        janela->richEdPrincipal->setPlainText(ParaQString(t));
    }
    void CursorNaLinha(int l) {
        janela->richEdPrincipal->setTextCursor(QTextCursor(janela->richEdPrincipal->document()->findBlockByNumber(l)));
    }
    static void Eventos() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    // The draft file as lines (none when it was not written).
    std::vector<std::string> Rascunho() const {
        std::string bytes;
        if (!LeArquivo(ArqRascunho, bytes)) return {};
        return DivideLinhas(bytes);
    }
    bool RascunhoExiste() const { return ArquivoExiste(ArqRascunho); }
    void ApagaRascunho() const { std::remove(CaminhoNativo(ArqRascunho).c_str()); }

    std::string pastaAtual;
    ConfiguracaoDeTeste cfg;
    PastaTemporaria pasta;
    DialogosFalsosEscopo caixas;
    std::unique_ptr<TformPrincipal> janela;
    std::unique_ptr<TformVisual> visual;
};
