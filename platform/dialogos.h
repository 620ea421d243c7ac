// The one dialog service: every modal box, input line and wait notice of the
// program goes through it. The Qt build installs the real windows; tests
// install DialogosFalsos and script the answers.
#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

// Results as the Windows boxes return them.
enum ResultadoModal : int {
    mrNenhum = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4,
    mrIgnore = 5, mrYes = 6, mrNo = 7
};

enum class Icone { Nenhum, Informacao, Aviso, Erro, Pergunta };
enum class Botoes { OK, OKCancel, YesNo, YesNoCancel, NoOKCancel };

class Dialogos {
public:
    virtual ~Dialogos() = default;
    // TformMsgComOK: one OK button, box sized to its text, caption "Dotmara".
    virtual int MensagemOK(const std::string& texto) = 0;
    // A standard message box (MessageBoxA). semDono: no owner window (boxes
    // from the print worker).
    virtual int Caixa(const std::string& texto, const std::string& titulo,
                      Icone icone, Botoes botoes, bool semDono = false) = 0;
    // TformEditLinha: true on OK, and then s holds the edited text.
    virtual bool EditaLinha(const std::string& titulo, const std::string& prompt,
                            std::string& s) = 0;
    // TformEspere: a notice that stays until EscondeEspere.
    virtual void MostraEspere(const std::string& texto) = 0;
    virtual void EscondeEspere() = 0;
    // TformQuickMessage: a short notice that needs no answer; it shows for
    // two seconds and goes away by itself, and the call returns then. A
    // service without such a window shows nothing.
    virtual void MensagemRapida(const std::string& texto) { (void)texto; }
};

// The service in force. Defaults to a silent service that answers OK/true and
// prints each text on stderr, so nothing ever blocks without a GUI.
Dialogos& dialogos();
// Installs d (not owned; nullptr restores the default).
void DefineDialogos(Dialogos* d);

// Recording fake for tests. Answers come from the queues, then the defaults.
class DialogosFalsos : public Dialogos {
public:
    enum class Tipo { MensagemOK, Caixa, EditaLinha, Espere, MensagemRapida };
    struct Registro {
        Tipo tipo;
        std::string texto;
        std::string titulo;
        Icone icone = Icone::Nenhum;
        Botoes botoes = Botoes::OK;
        bool semDono = false;
        bool comEspera = false;   // the wait notice was showing when the box came
    };

    std::vector<Registro> registros;
    std::deque<int> respostas;                       // for MensagemOK and Caixa
    std::deque<std::optional<std::string>> linhas;   // for EditaLinha; nullopt = Cancel
    int respostaPadrao = mrOk;
    bool esperaVisivel = false;

    int MensagemOK(const std::string& texto) override;
    int Caixa(const std::string& texto, const std::string& titulo, Icone icone,
              Botoes botoes, bool semDono = false) override;
    bool EditaLinha(const std::string& titulo, const std::string& prompt,
                    std::string& s) override;
    void MostraEspere(const std::string& texto) override;
    void EscondeEspere() override;
    void MensagemRapida(const std::string& texto) override;

    // Texts of every box shown so far, in order.
    std::vector<std::string> Textos() const;
    void Limpa();

private:
    mutable std::mutex mtx_;
    int ProximaResposta();
};

// Installs a fake for the lifetime of the object (tests).
class DialogosFalsosEscopo {
public:
    DialogosFalsosEscopo() { DefineDialogos(&fake); }
    ~DialogosFalsosEscopo() { DefineDialogos(nullptr); }
    DialogosFalsos fake;
};
