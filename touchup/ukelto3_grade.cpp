// ukelto3: the dot drawer's grid and its mouse.
#include "touchup/ukelto3_grade.h"

#include "core/celas/celas.h"

namespace {

constexpr int kLinhasDesenho = GradeDesenho::kLinhasGrade / 4;

// A pixel to its grid step, rounding down also left of or above the window
// (a drag that leaves the window marks nothing there).
int Passo(int pixel) {
    const int p = GradeDesenho::kPixelsPorPasso;
    return pixel >= 0 ? pixel / p : -((-pixel + p - 1) / p);
}

} // namespace

GradeDesenho::GradeDesenho(bool brailleAntigo) : celaDoCaractere_(MascarasDoCodigo(brailleAntigo)) {}

void GradeDesenho::PaginaParaGrade(const EstadoKelto& e) {
    for (int i = 0; i < kLinhasDesenho; ++i) {
        const std::string& linha = e.Pagina[static_cast<std::size_t>(i)];
        for (int j = 0; j < kCelasGrade; ++j) {
            const std::size_t pos = static_cast<std::size_t>(j);
            const int m = pos < linha.size() ? celaDoCaractere_[static_cast<unsigned char>(linha[pos])] : 0;
            for (int d = 0; d < 3; ++d) {
                grade_[static_cast<std::size_t>(4 * i + d)][static_cast<std::size_t>(2 * j)] = (m >> d) & 1;
                grade_[static_cast<std::size_t>(4 * i + d)][static_cast<std::size_t>(2 * j + 1)] = (m >> (d + 3)) & 1;
            }
            grade_[static_cast<std::size_t>(4 * i + 3)][static_cast<std::size_t>(2 * j)] = 0;
            grade_[static_cast<std::size_t>(4 * i + 3)][static_cast<std::size_t>(2 * j + 1)] = 0;
        }
    }
}

void GradeDesenho::GradeParaPagina(EstadoKelto& e) const {
    for (int i = 0; i < kLinhasDesenho; ++i) {
        std::string& linha = e.Pagina[static_cast<std::size_t>(i)];
        for (int j = 0; j < kCelasGrade; ++j) {
            int m = 0;
            for (int d = 0; d < 3; ++d) {
                m |= grade_[static_cast<std::size_t>(4 * i + d)][static_cast<std::size_t>(2 * j)] << d;
                m |= grade_[static_cast<std::size_t>(4 * i + d)][static_cast<std::size_t>(2 * j + 1)] << (d + 3);
            }
            const std::size_t pos = static_cast<std::size_t>(j);
            if (pos >= linha.size()) {
                if (m == 0)
                    continue;
                linha.resize(pos, ' ');
                linha.push_back(static_cast<char>(e.Cela(m)));
            } else if (m != celaDoCaractere_[static_cast<unsigned char>(linha[pos])]) {
                // Only a cell whose dots changed is rewritten: a character
                // that is no cell of the code (an ink letter, a digit) shows
                // no dots and stays as it was until dots are drawn on it.
                linha[pos] = static_cast<char>(e.Cela(m));
            }
        }
    }
}

bool GradeDesenho::MarcaPonto(int coluna, int linha, bool valor) {
    if (coluna < 0 || coluna >= kColunasGrade || linha < 0 || linha >= kLinhasGrade || linha % 4 == 3)
        return false;
    grade_[static_cast<std::size_t>(linha)][static_cast<std::size_t>(coluna)] = valor ? 1 : 0;
    return true;
}

bool GradeDesenho::Marcado(int coluna, int linha) const {
    if (coluna < 0 || coluna >= kColunasGrade || linha < 0 || linha >= kLinhasGrade)
        return false;
    return grade_[static_cast<std::size_t>(linha)][static_cast<std::size_t>(coluna)] != 0;
}

std::optional<GradeDesenho::Ponto> GradeDesenho::MarcaNoPixel(int x, int y) {
    const int coluna = Passo(x), linha = Passo(y);
    const bool valor = modo_ == 1;
    if (!MarcaPonto(coluna, linha, valor))
        return std::nullopt;
    return Ponto{coluna, linha, valor};
}

std::optional<GradeDesenho::Ponto> GradeDesenho::MouseDown(Botao b, int x, int y) {
    modo_ = b == Botao::Esquerdo ? 1 : b == Botao::Direito ? 2 : 0;
    if (modo_ == 0)
        return std::nullopt;
    return MarcaNoPixel(x, y);
}

std::optional<GradeDesenho::Ponto> GradeDesenho::MouseMove(int x, int y) {
    if (modo_ == 0)
        return std::nullopt;
    return MarcaNoPixel(x, y);
}

void GradeDesenho::MouseUp(EstadoKelto& e) {
    modo_ = 0;
    GradeParaPagina(e);
}
