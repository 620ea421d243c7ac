// kelto: the program body.
#include "touchup/gui/kelto_programa.h"

#include "platform/dialogos.h"
#include "platform/qt/aplicacaoqt.h"
#include "platform/qt/caixaqt.h"
#include "platform/servicos.h"
#include "platform/texto.h"
#include "touchup/gui/ukelto.h"
#include "touchup/gui/ukelto2.h"
#include "touchup/gui/ukelto3.h"
#include "touchup/ukelto_config.h"

#include <QApplication>

#include <memory>

namespace {

// Every box of this program is a standard message box over the active
// window; it asks for no line of text and shows no wait notice.
class DialogosKelto : public Dialogos {
public:
    int MensagemOK(const std::string& texto) override {
        return CaixaQt(texto, kTituloKelto, Icone::Nenhum, Botoes::OK, QApplication::activeWindow());
    }
    int Caixa(const std::string& texto, const std::string& titulo, Icone icone, Botoes botoes,
              bool semDono) override {
        return CaixaQt(texto, titulo, icone, botoes, semDono ? nullptr : QApplication::activeWindow());
    }
    bool EditaLinha(const std::string&, const std::string&, std::string&) override { return false; }
    void MostraEspere(const std::string&) override {}
    void EscondeEspere() override {}
};

} // namespace

void InstalaDialogosKelto() {
    static DialogosKelto servico;
    DefineDialogos(&servico);
}

std::string MensagemFalhaKelto(const std::string& comando, const std::string& causa) {
    return DescricaoFalhaComando(comando, causa) + "\r\nA página continua como estava."_cp;
}

void InstalaRelatoKelto() {
    TAplicacao::DefineRelato([](const std::string& comando, const std::string& causa) {
        dialogos().Caixa(MensagemFalhaKelto(comando, causa), kTituloKelto, Icone::Erro, Botoes::OK);
    });
}

int ExecutaKelto() {
    if (!servicos().TravaInstancia(kInstanciaKelto)) {
        dialogos().Caixa("Programa já ativo, use a barra de seleção do Windows"_cp, kTituloKelto,
                         Icone::Informacao, Botoes::OK);
        return 0;
    }
    EstadoKelto estado;
    auto form1 = std::make_unique<TForm1>(estado);
    if (!form1->ConfiguracaoLida())
        return 1;
    Form1 = form1.get();
    auto form2 = std::make_unique<TForm2>(estado, Form1);
    Form2 = form2.get();
    auto form3 = std::make_unique<TForm3>(estado);
    Form3 = form3.get();
    QObject::connect(Form1, &TForm1::fechada, QCoreApplication::instance(), &QCoreApplication::quit,
                     Qt::QueuedConnection);

    Form1->show();
    Form2->MostraAoLadoDe(Form1);
    Form1->activateWindow();
    Form1->setFocus();
    const int r = QApplication::exec();

    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
    return r;
}
