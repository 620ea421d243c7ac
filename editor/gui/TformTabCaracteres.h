// TformTabCaracteres: "Tabela de Caracteres ", every character from 32 to
// 255 in a grid; choosing a cell, with the mouse or the arrow keys, types
// its character into the main editor through the clipboard. It stays open
// beside the editor.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QPushButton;
class QTableWidget;

class TformTabCaracteres : public QDialog {
    Q_OBJECT
public:
    static constexpr int Colunas = 16;
    static constexpr int Linhas = 14;
    // The character of a cell: 32 + 16 * linha + coluna.
    static unsigned char CaractereDaCelula(int linha, int coluna) {
        return static_cast<unsigned char>(32 + Colunas * linha + coluna);
    }

    explicit TformTabCaracteres(QWidget* pai = nullptr);
    // Fills the grid (every activation).
    void FormActivate();

    // What a chosen character does; by default it goes into the main editor
    // (InsereCaractere and the strip's refresh).
    std::function<void(const std::string&)> Insere;

    QTableWidget* gridCaracteres;
    QPushButton* btnFechar;

protected:
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void CelulaEscolhida(int linha, int coluna);
    bool preenchendo_ = false;
    // The cell that was current when the mouse went down on the grid: a
    // click on it changes nothing, and still types its character.
    int linhaAntes_ = -1, colunaAntes_ = -1;
};

extern TformTabCaracteres* formTabCaracteres;
