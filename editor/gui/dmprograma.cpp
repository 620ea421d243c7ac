// dmprograma: the program's windows, created at start-up in their fixed
// order (later windows rely on earlier ones) and destroyed in the reverse
// order at the end.
#include "editor/gui/dmprograma.h"

#include "core/dmvars.h"
#include "editor/gui/DmComar.h"
#include "editor/gui/dmCnfDic.h"
#include "editor/gui/TformAnotacoes.h"
#include "editor/gui/TformConfTabela.h"
#include "editor/gui/TformDigitaBraille.h"
#include "editor/gui/TformQuadro.h"
#include "editor/gui/TformSimb.h"
#include "editor/gui/TformTabCaracteres.h"
#include "editor/gui/dmChecaBrl.h"
#include "editor/gui/dmcnfdir.h"
#include "editor/gui/dmcnfprg.h"
#include "editor/gui/dmVisual.h"
#include "editor/gui/dmQuickMsg.h"
#include "editor/gui/TformMacro.h"
#include "editor/gui/dmmain.h"
#include "editor/gui/dmsubst.h"
#include "editor/gui/dmsplash.h"
#include "core/gui/TformEditLinha.h"
#include "core/gui/TformEspere.h"
#include "output/gui/TformConta.h"
#include "output/gui/dmcnfprt.h"
#include "output/gui/TformImprime.h"
#include "output/gui/TformAltoRelevo.h"
#include "output/gui/TformExibeGraf.h"
#include "output/gui/TformResolucao.h"
#include "output/gui/TformVisualGraf.h"
#include "platform/ini.h"

void CriaJanelasDoPrograma() {
    // Each window reads its own settings, all from one reading of the file.
    const EscopoIniLido leitura;
    // 1 TformPrincipal
    formPrincipal = new TformPrincipal();
    // 2 TformConfig: the program settings are read (BrailleAntigo among
    // them, which the code table below needs).
    formConfig = new TformConfig();
    // 3 TformConfigPrn: the embosser section, then its dot geometry.
    formConfigPrn = new TformConfigPrn();
    formPrincipal->LigaConfigPrn(formConfigPrn);
    // 4 TformVisual
    formVisual = new TformVisual();
    formPrincipal->LigaVisual(formVisual);
    // 5 TformImprime
    formImprime = new TformImprime();
    // 6 TformSplash
    formSplash = new TformSplash();
    // 7 TformConfigDir: the file and program paths are resolved; the output
    // code table of the code in force is loaded here, so the braille strip
    // shows the right cells before the first view.
    formConfigDir = new TformConfigDir();
    // 8 TformConta
    formConta = new TformConta();
    // 9 TformQuadro
    formQuadro = new TformQuadro();
    // 10 TformMacro
    formMacro = new TformMacro();
    // 11 TformConfigMargem
    formConfigMargem = new TformConfigMargem();
    // 12 TformTabCaracteres
    formTabCaracteres = new TformTabCaracteres();
    // 13 TformDigitaBraille
    formDigitaBraille = new TformDigitaBraille();
    // 14 TformSimb
    formSimb = new TformSimb();
    // 15 TformConfigDicionario: the five dictionary file names are read.
    formConfigDicionario = new TformConfigDicionario();
    // 16 TformSubst
    formSubst = new TformSubst();
    // 17 TformConfTabela
    formConfTabela = new TformConfTabela();
    // 18 TformChecaBrl
    formChecaBrl = new TformChecaBrl();
    // 19 TformEspere
    FormEspere();
    // 20 TformAnotacoes
    formAnotacoes = new TformAnotacoes();
    // 21 TformExibeGraf
    formExibeGraf = new TformExibeGraf();
    // 22 TformVisualGraf: opened from the braille view, it follows its pages.
    formVisualGraf = new TformVisualGraf();
    formPrincipal->LigaVisualGraf(formVisual, formVisualGraf);
    // 23 TformQuickMessage
    formQuickMessage = new TformQuickMessage();
    // 24 TformAltoRelevo: loads its default dot font.
    formAltoRelevo = new TformAltoRelevo();
    // 25 TformResolucao
    formResolucao = new TformResolucao();
    // 26 TformMsgComOK: each message makes its own box.
    // 27 TformEditLinha
    FormEditLinha();
    // 28 TformProcAtualiz
}

void DestroiJanelasDoPrograma() {
    delete formQuickMessage;
    formQuickMessage = nullptr;
    delete formResolucao;
    formResolucao = nullptr;
    delete formAltoRelevo;
    formAltoRelevo = nullptr;
    delete formVisualGraf;
    formVisualGraf = nullptr;
    delete formExibeGraf;
    formExibeGraf = nullptr;
    delete formAnotacoes;
    formAnotacoes = nullptr;
    delete formChecaBrl;
    formChecaBrl = nullptr;
    delete formConfTabela;
    formConfTabela = nullptr;
    delete formSubst;
    formSubst = nullptr;
    delete formConfigDicionario;
    formConfigDicionario = nullptr;
    delete formSimb;
    formSimb = nullptr;
    delete formDigitaBraille;
    formDigitaBraille = nullptr;
    delete formTabCaracteres;
    formTabCaracteres = nullptr;
    delete formConfigMargem;
    formConfigMargem = nullptr;
    delete formMacro;
    formMacro = nullptr;
    delete formQuadro;
    formQuadro = nullptr;
    delete formConta;
    formConta = nullptr;
    delete formConfigDir;
    formConfigDir = nullptr;
    delete formSplash;
    formSplash = nullptr;
    delete formImprime;
    formImprime = nullptr;
    delete formVisual;
    formVisual = nullptr;
    delete formConfigPrn;
    formConfigPrn = nullptr;
    delete formConfig;
    formConfig = nullptr;
    delete formPrincipal;
    formPrincipal = nullptr;
}
