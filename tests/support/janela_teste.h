// Set-up of the window tests: every setting at its default with an INI file
// of the test's own, scripted boxes and platform services, the draft file in
// the test's folder, the working folder and the document folder given back
// at the end, and the main window (with the braille view linked to it, when
// asked) made as the program makes them.
//
//     class Minha : public JanelaDeTeste {};
//     TEST_F(Minha, ...) { Texto({"um", "dois"}); janela->imVisualizar->trigger(); }
//
// A fixture that writes the INI file before the main window reads it
// overrides SetUp with PreparaAmbiente() alone and calls CriaJanela() itself.
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
#include "platform/servicos.h"
#include "support/config_teste.h"
#include "support/temporario.h"

class JanelaDeTeste : public ::testing::Test {
protected:
    void SetUp() override {
        PreparaAmbiente();
        CriaJanela();
    }
    void TearDown() override {
        DefineDocumentoAtual(nullptr);
        visual.reset();
        formVisual = nullptr;
        janela.reset();
        formPrincipal = nullptr;
        ArqAtual.clear();
        MudaDiretorioAtual(pastaInicial);
        // The test's folder goes: the document folder must not stay in it.
        DirDocumento = dirDocumentoInicial;
    }
    // Everything but the windows: the test's folder is the working folder
    // and the document folder, and holds the draft file.
    void PreparaAmbiente() {
        ASSERT_TRUE(MudaDiretorioAtual(pasta.dir()));
        DirDocumento = pasta.dir();
        ArqRascunho = pasta.caminho("rascunho.txt");
    }
    // The main window anew (the one before goes first), as the program's
    // current document.
    TformPrincipal& CriaJanela() {
        visual.reset();
        formVisual = nullptr;
        janela.reset();
        janela = std::make_unique<TformPrincipal>();
        formPrincipal = janela.get();
        DefineDocumentoAtual(janela.get());
        return *janela;
    }
    // The braille view, linked to the main window.
    TformVisual& CriaVisual() {
        visual = std::make_unique<TformVisual>();
        formVisual = visual.get();
        janela->LigaVisual(visual.get());
        return *visual;
    }
    // The editor holding the lines (no line end after the last), unmodified,
    // with no undo history and the caret at the start.
    void Texto(const std::vector<std::string>& linhas) {
        std::string t;
        for (std::size_t i = 0; i < linhas.size(); ++i) t += (i ? "\n" : "") + linhas[i];
        janela->richEdPrincipal->setPlainText(ParaQString(t));
    }
    void CursorNaLinha(int l) {
        janela->richEdPrincipal->setTextCursor(QTextCursor(janela->richEdPrincipal->document()->findBlockByNumber(l)));
    }
    static void Eventos() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
    // The draft file as lines (none when it was not written).
    std::vector<std::string> Rascunho() const {
        std::string bytes;
        if (!LeArquivo(ArqRascunho, bytes)) return {};
        return DivideLinhas(bytes);
    }
    bool RascunhoExiste() const { return ArquivoExiste(ArqRascunho); }

    const std::string pastaInicial = DiretorioAtual();
    const std::string dirDocumentoInicial = DirDocumento;
    ConfiguracaoDeTeste cfg;
    PastaTemporaria pasta;
    DialogosFalsosEscopo caixas;
    ServicosFalsosEscopo srv;
    std::unique_ptr<TformPrincipal> janela;
    std::unique_ptr<TformVisual> visual;
};
