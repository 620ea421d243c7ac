// dmAltoRelevo: relief text. Ink text is drawn with a dot font (.MDL) into
// a grid of dots, which is then saved as a tactile graphic (.GRB).
//
// The .MDL dot font is a text file, one line per character: the character
// itself, a separator of no meaning, then the glyph, a sequence of dot
// columns separated by "|". In a column each "1".."9" or "A".."F" (either
// case; 10..15) raises the dot that many rows below the top of the text
// line; "0" and blanks raise nothing; any other character raises the dot at
// its code minus the code of "0". The glyph " 0" is the space (5 columns);
// a character without a line has the empty glyph (3 columns).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The dot grid: rows 0..1200, columns 0..800; nothing is ever written
// outside it.
class GradeRelevo {
public:
    static constexpr int UltimaLinha = 1200;
    static constexpr int UltimaColuna = 800;
    static constexpr int Linhas = UltimaLinha + 1;
    static constexpr int Colunas = UltimaColuna + 1;

    GradeRelevo() : pontos_(static_cast<size_t>(Linhas) * Colunas, 0) {}

    // Sets the dot; coordinates outside the grid are ignored.
    void Marca(int coluna, int linha);
    bool Ponto(int coluna, int linha) const;
    void Limpa();
    // The row as 801 bytes (1 = dot).
    const unsigned char* Linha(int linha) const { return &pontos_[Indice(0, linha)]; }

private:
    static size_t Indice(int coluna, int linha) {
        return static_cast<size_t>(linha) * Colunas + static_cast<size_t>(coluna);
    }
    std::vector<unsigned char> pontos_;
};

// A loaded dot font: 256 glyph lines by character code, and the line
// advance in dots (the highest row value of the font plus 1).
struct FonteMDL {
    static constexpr const char* GlifoVazio = "0000000000000000000|";
    std::array<std::string, 256> GlifosMDL;
    int AlturaGlifo = 0;
    bool Carregada = false;
};

// Parses the contents of a .MDL file into f (always succeeds: every line
// is a glyph).
void LeFonteMDL(const std::string& conteudo, FonteMDL& f);
// A file larger than this is no dot font (the shipped one has some 9 KB):
// it is refused before it is read, so choosing a huge file by mistake
// cannot exhaust the memory.
inline constexpr std::size_t MaxBytesMDL = 1u << 20;
enum class LeituraMDL { Lida, NaoEncontrada, GrandeDemais };
// Loads the font from the file; anything but Lida leaves the glyphs as they
// were.
LeituraMDL LeArquivoMDL(const std::string& arquivo, FonteMDL& f);
// False when the file cannot be read (the glyphs stay as they were);
// otherwise loads the font.
bool CarregaFonteMDL(const std::string& arquivo, FonteMDL& f);
// What a failed load is told as: "Erro: arquivo " + file + " não
// encontrado!", or that the file is too large for a dot font.
std::string MensagemLeituraMDL(LeituraMDL r, const std::string& arquivo);

// Draws one glyph at column x, top row y, and advances x.
void DesenhaCaractereRelevo(const FonteMDL& f, GradeRelevo& g, unsigned char c, int& x, int& y);
// Clears the grid and draws every line of the text, one text line below the
// other (the text is clipped at the grid, never wrapped).
void DesenhaTextoRelevo(const FonteMDL& f, GradeRelevo& g, const std::vector<std::string>& linhas);
// The last row holding a dot and the last column holding a dot within rows
// 0..that row; -1 and -1 for an empty grid.
void ExtensaoRelevo(const GradeRelevo& g, int& ultimaColuna, int& ultimaLinha);

// The .GRB text of rows 0..ultimaLinha: "*" for a dot, right-trimmed lines,
// CR LF line ends.
std::string TextoGRB(const GradeRelevo& g, int ultimaLinha);
// Writes the graphic (replacing the file whole, never leaving half a file);
// on failure shows "Erro ao salvar gráfico no arquivo " + file + "." and
// gives false.
bool SalvaGRB(const std::string& arquivo, const GradeRelevo& g, int ultimaLinha);

// The backup name of a graphic about to be overwritten: "~" after the dot of
// the extension ("mapa.GRB" -> "mapa.~GRB"; no extension -> "mapa.~").
std::string NomeBackupGRB(const std::string& arquivo);

// "Gerar Gráfico" after the name is chosen: an existing file is confirmed
// (Yes/No) and kept as its backup before the new graphic is written; each
// step has its message. True when the graphic was saved.
bool GeraGraficoRelevo(const std::string& arquivo, const GradeRelevo& g);

// The paper size in dots used by the relief preview (kept until the
// program ends) and its limits.
inline constexpr int ResolucaoXMin = 120, ResolucaoXMax = 800;
inline constexpr int ResolucaoYMin = 150, ResolucaoYMax = 1200;
extern int ResolucaoX;
extern int ResolucaoY;
// Reads the two texts of the resolution dialog: true (and x, y set) when
// both are whole numbers within their limits.
bool LeResolucao(const std::string& textoX, const std::string& textoY, int& x, int& y);
