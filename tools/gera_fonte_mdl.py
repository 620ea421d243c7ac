#!/usr/bin/env python3
"""Generates data/ZIRODEDOD.MDL, the relief-text dot font, from the X11
misc-fixed 9x15 font of Debian's xfonts-base (public domain).

Each pixel of a glyph becomes one raised dot: rows 0..14 of the 15-row font
cell become the row values 1..15 ("1".."9", "A".."F") of the dot font, so a
text line advances 16 dot rows. Blank columns on both sides of the ink are
dropped and one blank column is put in front, so letters stand two blank dot
columns apart. Strokes are kept one dot thick (a square of four dots is
thinned), so every stroke reads as a line of single dots under the finger.

The file holds one line per printable Windows-1252 character: the
character, "=", then the dot columns separated by "|"; the space (and the
no-break space) is the glyph " 0". Line ends are CR LF.

Usage: tools/gera_fonte_mdl.py [font.pcf.gz] [output]
"""
import gzip
import struct
import sys

FONTE = "/usr/share/fonts/X11/misc/9x15.pcf.gz"
SAIDA = "data/ZIRODEDOD.MDL"
DIGITOS = "0123456789ABCDEF"


class PCF:
    """The glyphs of a PCF bitmap font (the X11 compiled font format)."""

    def __init__(self, caminho):
        with open(caminho, "rb") as f:
            d = f.read()
        if d[:2] == b"\x1f\x8b":
            d = gzip.decompress(d)
        if d[:4] != b"\x01fcp":
            raise ValueError(caminho + ": not a PCF font")
        (n,) = struct.unpack_from("<i", d, 4)
        tabelas = {}
        for i in range(n):
            tipo, fmt, tam, pos = struct.unpack_from("<iiii", d, 8 + 16 * i)
            tabelas[tipo] = pos
        self.d = d
        self.metricas = self._metricas(tabelas[4])
        self.bitmaps = self._bitmaps(tabelas[8])
        self.codigos = self._codigos(tabelas[32])
        self.ascent, self.descent = self._aceleradores(tabelas.get(256, tabelas.get(2)))

    def _formato(self, pos):
        (fmt,) = struct.unpack_from("<i", self.d, pos)
        return fmt, (">" if fmt & 4 else "<"), pos + 4

    def _metricas(self, pos):
        fmt, e, pos = self._formato(pos)
        r = []
        if fmt & 0x100:  # compressed: five bytes offset by 0x80
            (n,) = struct.unpack_from(e + "h", self.d, pos)
            pos += 2
            for _ in range(n):
                r.append(tuple(b - 0x80 for b in self.d[pos:pos + 5]))
                pos += 5
        else:
            (n,) = struct.unpack_from(e + "i", self.d, pos)
            pos += 4
            for _ in range(n):
                r.append(struct.unpack_from(e + "hhhhhH", self.d, pos)[:5])
                pos += 12
        return r

    def _bitmaps(self, pos):
        fmt, e, pos = self._formato(pos)
        (n,) = struct.unpack_from(e + "i", self.d, pos)
        pos += 4
        deslocamentos = struct.unpack_from(e + "%di" % n, self.d, pos)
        pos += 4 * n + 16
        self.alinhamento = 1 << (fmt & 3)
        self.bit_alto_primeiro = bool(fmt & 8)
        return [pos + x for x in deslocamentos]

    def _codigos(self, pos):
        fmt, e, pos = self._formato(pos)
        min2, max2, min1, max1, _ = struct.unpack_from(e + "5h", self.d, pos)
        pos += 10
        largura = max2 - min2 + 1
        indices = struct.unpack_from(e + "%dH" % (largura * (max1 - min1 + 1)), self.d, pos)
        r = {}
        for b1 in range(min1, max1 + 1):
            for b2 in range(min2, max2 + 1):
                g = indices[(b1 - min1) * largura + (b2 - min2)]
                if g != 0xFFFF:
                    r[b1 * 256 + b2] = g
        return r

    def _aceleradores(self, pos):
        fmt, e, pos = self._formato(pos)
        return struct.unpack_from(e + "ii", self.d, pos + 8)

    def glifo(self, codigo):
        """The set of (row, column) pixels of a character in the font cell
        (row 0 at the top of the cell), or None when the font lacks it."""
        g = self.codigos.get(codigo)
        if g is None:
            return None
        esq, dir_, _, asc, desc = self.metricas[g]
        largura = dir_ - esq
        passo = ((largura + 7) // 8 + self.alinhamento - 1) // self.alinhamento * self.alinhamento
        pos = self.bitmaps[g]
        pontos = set()
        for r in range(asc + desc):
            linha = self.d[pos + r * passo: pos + (r + 1) * passo]
            for c in range(largura):
                byte = linha[c // 8]
                bit = (byte >> (7 - c % 8)) if self.bit_alto_primeiro else (byte >> (c % 8))
                if bit & 1:
                    pontos.add((self.ascent - asc + r, esq + c))
        return pontos


def componentes(pontos):
    """The 8-connected parts of a glyph."""
    resto, partes = set(pontos), []
    while resto:
        pilha, parte = [resto.pop()], set()
        while pilha:
            r, c = pilha.pop()
            parte.add((r, c))
            for dr in (-1, 0, 1):
                for dc in (-1, 0, 1):
                    v = (r + dr, c + dc)
                    if v in resto:
                        resto.discard(v)
                        pilha.append(v)
        partes.append(parte)
    return partes


def afina(pontos):
    """Zhang-Suen thinning, only where four dots make a square: strokes of
    one dot stay as they are. A part that thinning would wipe out (the
    square dot of a full stop) keeps its lowest, leftmost dot."""
    p = afina_zhang_suen(pontos)
    for parte in componentes(pontos):
        if not parte & p:
            p.add(max(parte, key=lambda rc: (rc[0], -rc[1])))
    # Squares thinning leaves (where strokes meet) lose the dot whose
    # removal keeps the strokes joined.
    while True:
        q = quadrados(p)
        if not q:
            return p
        r, c = q[0]
        partes = len(componentes(p))
        for v in sorted([(r, c), (r, c + 1), (r + 1, c), (r + 1, c + 1)]):
            if len(componentes(p - {v})) == partes:
                p = p - {v}
                break
        else:
            p = p - {(r, c)}


def quadrados(p):
    """Top-left corners of the squares of four dots."""
    return sorted((r, c) for (r, c) in p
                  if {(r + 1, c), (r, c + 1), (r + 1, c + 1)} <= p)


def afina_zhang_suen(pontos):
    p = set(pontos)
    if not quadrados(p):
        return p
    viz = [(-1, 0), (-1, 1), (0, 1), (1, 1), (1, 0), (1, -1), (0, -1), (-1, -1)]
    mudou = True
    while mudou:
        mudou = False
        for passo in (0, 1):
            apagar = []
            for (r, c) in p:
                v = [(r + dr, c + dc) in p for dr, dc in viz]
                b = sum(v)
                a = sum(1 for i in range(8) if not v[i] and v[(i + 1) % 8])
                if not (2 <= b <= 6 and a == 1):
                    continue
                p2, p4, p6, p8 = v[0], v[2], v[4], v[6]
                if passo == 0 and not (p2 and p4 and p6) and not (p4 and p6 and p8):
                    apagar.append((r, c))
                if passo == 1 and not (p2 and p4 and p8) and not (p2 and p6 and p8):
                    apagar.append((r, c))
            for x in apagar:
                p.discard(x)
            mudou = mudou or bool(apagar)
    return p


def linha_mdl(byte, pontos):
    ch = bytes([byte])
    if not pontos:
        return ch + b"= 0"
    colunas = sorted({c for _, c in pontos})
    c0, c1 = colunas[0], colunas[-1]
    partes = ["0"]  # the blank column in front
    for c in range(c0, c1 + 1):
        linhas = sorted(r for r, cc in pontos if cc == c)
        partes.append("".join(DIGITOS[r + 1] for r in linhas) or "0")
    return ch + b"=" + "|".join(partes).encode("ascii")


def main():
    fonte = PCF(sys.argv[1] if len(sys.argv) > 1 else FONTE)
    saida = sys.argv[2] if len(sys.argv) > 2 else SAIDA
    if fonte.ascent + fonte.descent > 15:
        raise SystemExit("the font cell must be at most 15 rows high")
    linhas = [b" = 0"]  # the space
    for byte in list(range(0x21, 0x7F)) + list(range(0x80, 0x100)):
        try:
            ch = bytes([byte]).decode("cp1252")
        except UnicodeDecodeError:
            continue  # the five bytes Windows-1252 leaves undefined
        if byte == 0xA0:
            linhas.append(bytes([byte]) + b"= 0")
            continue
        pontos = fonte.glifo(ord(ch))
        if not pontos:
            raise SystemExit("the font has no glyph for U+%04X" % ord(ch))
        linhas.append(linha_mdl(byte, afina(pontos)))
    with open(saida, "wb") as f:
        f.write(b"\r\n".join(linhas) + b"\r\n")
    print("%s: %d glyphs" % (saida, len(linhas)))


if __name__ == "__main__":
    main()
