// The program's QApplication: failures caught at the command's edge, and
// Qt's own texts in Portuguese.
#include "platform/qt/aplicacaoqt.h"

#include "platform/dialogos.h"
#include "platform/qt/textoqt.h"
#include "platform/texto.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <new>
#include <stdexcept>
#include <utility>

namespace {

std::function<void(const std::string&, const std::string&)>& Relato() {
    static std::function<void(const std::string&, const std::string&)> f;
    return f;
}

// A caption without its mnemonic marks ("&&" is a real "&").
std::string SemAtalho(const QString& legenda) {
    QString r;
    for (qsizetype i = 0; i < legenda.size(); ++i) {
        if (legenda.at(i) == '&' && i + 1 < legenda.size()) ++i;
        else if (legenda.at(i) == '&') continue;
        r += legenda.at(i);
    }
    return DeQString(r.trimmed());
}

void Relata(const std::string& comando, const std::string& causa) {
    // While one failure is being told (its box runs an event loop), a second
    // one only goes to the error output.
    static bool relatando = false;
    if (relatando) {
        std::fprintf(stderr, "%s: %s: %s\n", qPrintable(QCoreApplication::applicationName()), comando.c_str(),
                     causa.c_str());
        return;
    }
    relatando = true;
    try {
        if (Relato())
            Relato()(comando, causa);
        else
            dialogos().Caixa(MensagemFalhaComando(comando, causa), "Dotmara", Icone::Erro, Botoes::OK);
    } catch (...) {
        std::fprintf(stderr, "%s: %s: %s\n", qPrintable(QCoreApplication::applicationName()), comando.c_str(),
                     causa.c_str());
    }
    relatando = false;
}

// What went wrong, for the exception being handled.
std::string CausaAtual() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "memória insuficiente"_cp;
    } catch (const std::length_error&) {
        return "memória insuficiente"_cp;
    } catch (const std::exception& e) {
        return "erro interno ("_cp + std::string(e.what()) + ")";
    } catch (...) {
        return "erro interno"_cp;
    }
}

} // namespace

void RelataFalhaDoComando(QObject* origem) {
    std::string causa = CausaAtual(), comando;
    try {
        comando = ComandoDoEvento(origem);
    } catch (...) {
    }
    Relata(comando, causa);
}

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) { CarregaTraducoesQt(); }

void TAplicacao::DefineRelato(std::function<void(const std::string&, const std::string&)> f) {
    Relato() = std::move(f);
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    // A menu's chosen item is taken before the event runs: the menu forgets
    // it as it closes.
    QPointer<QAction> itemDoMenu;
    if (evento && (evento->type() == QEvent::MouseButtonRelease || evento->type() == QEvent::KeyPress))
        if (auto* m = qobject_cast<QMenu*>(receptor)) itemDoMenu = m->activeAction();
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        RelataFalhaDoComando(itemDoMenu ? static_cast<QObject*>(itemDoMenu.data()) : receptor);
    }
    return false;
}

bool CarregaTraducoesQt() {
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    static QTranslator traducao;
    static bool instalada = false;
    if (instalada) return true;
    const QLocale pt(QLocale::Portuguese, QLocale::Brazil);
    for (const QString& pasta : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 QStringLiteral("/usr/share/qt6/translations")}) {
        if (traducao.load(pt, QStringLiteral("qtbase"), QStringLiteral("_"), pasta)) {
            instalada = QCoreApplication::installTranslator(&traducao);
            return instalada;
        }
    }
    return false;
}

std::string ComandoDoEvento(QObject* receptor) {
    if (!receptor) return {};
    if (auto* a = qobject_cast<QAction*>(receptor)) return SemAtalho(a->text());
    if (auto* b = qobject_cast<QAbstractButton*>(receptor)) {
        if (!b->text().isEmpty()) return SemAtalho(b->text());
        return SemAtalho(b->toolTip());
    }
    return {};
}

std::string DescricaoFalhaComando(const std::string& comando, const std::string& causa) {
    const std::string oque =
        comando.empty() ? "a última operação"_cp : "o comando \""_cp + comando + "\"";
    return "Não foi possível concluir "_cp + oque + ": " + causa + ".";
}

std::string MensagemFalhaComando(const std::string& comando, const std::string& causa) {
    return DescricaoFalhaComando(comando, causa) +
           "\r\nO documento continua aberto como estava; salve-o antes de continuar."_cp;
}
