// The platform services over Qt: the clipboard's conversion at the boundary,
// programs started with an argument list in a folder (no shell), files
// handed to the desktop, and the single-instance lock.
#include "platform/arquivos.h"
#include "platform/qt/servicosqt.h"
#include "support/temporario.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(ServicosQtTest, ClipboardTextIsConvertedAtTheBoundary) {
    ServicosQt s;
    QClipboard* area = QGuiApplication::clipboard();
    // Out: Windows-1252 and CR LF inside; Unicode and LF on the desktop.
    ASSERT_TRUE(s.GravaAreaTransferencia("Cora\xe7\xe3o \x80\r\nfim\r\n"));
    EXPECT_EQ(area->text(), QString::fromUtf8("Cora\xc3\xa7\xc3\xa3o \xe2\x82\xac\nfim\n"));
    EXPECT_EQ(s.LeAreaTransferencia(), "Cora\xe7\xe3o \x80\r\nfim\r\n");

    struct Caso { const char* utf8; std::string lido; };
    const Caso casos[] = {
        {"a\nb", "a\r\nb"},
        {"a\r\nb\rc", "a\r\nb\r\nc"},
        {"\xe2\x86\x92 \xf0\x9f\x98\x80 \xe2\x80\x94", "? ? \x97"},   // no byte for the first two
        {"", ""},
    };
    for (const auto& c : casos) {
        area->setText(QString::fromUtf8(c.utf8));
        EXPECT_EQ(s.LeAreaTransferencia(), c.lido) << c.utf8;
    }
    // Plain text ends at its first zero byte, both ways.
    area->setText(QString::fromUtf8("um", 2) + QChar(0) + "dois");
    EXPECT_EQ(s.LeAreaTransferencia(), "um");
    ASSERT_TRUE(s.GravaAreaTransferencia(std::string("tres\0quatro", 11)));
    EXPECT_EQ(area->text(), "tres");
}

// Waits (without a time limit on the test's result) for a file to appear.
bool Aparece(const std::string& caminho) {
    QElapsedTimer t;
    t.start();
    while (!ArquivoExiste(caminho) && t.elapsed() < 10000) QThread::msleep(20);
    return ArquivoExiste(caminho);
}

TEST(ServicosQtTest, ProgramStartsInItsFolderWithItsArgumentsAsTheyStand) {
    PastaTemporaria pasta;
    ServicosQt s;
    // Names that a shell would split, expand or run: each is one argument.
    const std::vector<std::string> nomes = {"com espa\xe7o", "a;touch injetado", "$(id)", "\"aspas\""};
    ASSERT_TRUE(s.IniciaPrograma("/usr/bin/touch", nomes, pasta.dir()));
    for (const auto& n : nomes) EXPECT_TRUE(Aparece(pasta.caminho(n))) << n;
    EXPECT_FALSE(ArquivoExiste(pasta.caminho("injetado")));
    EXPECT_FALSE(s.IniciaPrograma(pasta.caminho("nao-existe"), {}, pasta.dir()));
    EXPECT_FALSE(s.IniciaPrograma("", {}, ""));
}

class AbertoPeloDesktop : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Abre(const QUrl& u) { urls << u; }
};

TEST(ServicosQtTest, FileGoesToTheDesktopAsAWholePath) {
    const std::string antes = DiretorioAtual();
    PastaTemporaria pasta;
    ASSERT_TRUE(MudaDiretorioAtual(pasta.dir()));
    AbertoPeloDesktop desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "Abre");
    ServicosQt s;
    EXPECT_TRUE(s.AbreComProgramaDoSistema("manual \xe7.pdf"));
    EXPECT_FALSE(s.AbreComProgramaDoSistema(""));
    QDesktopServices::unsetUrlHandler("file");
    MudaDiretorioAtual(antes);
    ASSERT_EQ(desktop.urls.size(), 1);
    EXPECT_EQ(desktop.urls[0].toLocalFile().toStdString(), CaminhoNativo(pasta.dir() + "manual \xe7.pdf"));
}

TEST(ServicosQtTest, KeltoLockSeenByBothSides) {
    PastaTemporaria pasta;
    VariavelAmbiente runtime("XDG_RUNTIME_DIR", pasta.dir());
    const std::string nome = "kelto-teste" + std::to_string(::getpid());
    ServicosQt s;
    EXPECT_FALSE(s.InstanciaAtiva(nome));
    EXPECT_TRUE(s.TravaInstancia(nome));
    EXPECT_TRUE(s.InstanciaAtiva(nome));
    LiberaTravaInstancia(nome);
    EXPECT_FALSE(s.InstanciaAtiva(nome));
}

} // namespace

#include "servicosqt_test.moc"
