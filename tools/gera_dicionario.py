#!/usr/bin/env python3
"""Makes the spelling dictionary's stem, suffix and name files from the
Brazilian Portuguese word lists of Debian's hunspell-pt-br and wbrazilian
packages, the proper names of wamerican's English list and the hand-written
tools/dicionario_acrescimos.txt.

    apt-get install hunspell-pt-br wbrazilian wamerican python3
    python3 tools/gera_dicionario.py [--aff F] [--dic F] [--lista F] [--nomes F]
                                     [--acrescimos F] [--saida data/]

Every entry of the package's word file is expanded with its affix rules into
its word forms. The forms of one entry (those made with the same prefix) share
a stem, their longest common beginning; what follows the stem in each form is a
suffix, and the set of suffixes of an entry is its suffix class. Entries with
the same set of suffixes share one class, so the program's stem file holds one
line per stem with the classes it takes, and the suffix file one section per
class. Entries written with a capital letter are proper names: their forms go
to the name file, which the program matches letter for letter (so each name
is also written there all in capitals). A verb's forms with its pronouns are
mended where the affix file writes them wrong and completed where it leaves
some out; abbreviations go in without their full stop.

hunspell-pt-br follows the spelling reform of 1990 (in force since 2009);
wbrazilian's list of word forms the spelling before it ("idéia", "freqüente",
"vôo"). Books printed before the reform are transcribed as printed, so the
forms of that list that the first one lacks are added, each as a stem of its
own (or "=" on the stem line that is already there), and so is the old
spelling of the prefixes with a hyphen, of "co-" ("co-autor"), of "pára-"
and of the trema in the families of the list's trema words. Entries that
only spell a misspelling of another word are left out.

Writes diciona.dic, diciona.suf and diciona.nom (Windows-1252, CR LF), in the
order the program sorts them, so the program finds them sorted. The output
depends only on the input files.
"""

import argparse
import collections
import os
import re
import sys
import unicodedata

# The characters that make up a word for the spell check: forms with any
# other character (abbreviations with a full stop, digits, letters the check
# splits on) can never be looked up whole and are left out.
LETRAS_PALAVRA = set("'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                     "ÀÁÂÃÇÈÉÊÍÎÑÓÔÕÖÚÜàáâãçèéêíîñóôõöúü")


# ---- Order of text, as the program sorts (platform/codepage.cpp) ----------

def _monta_colacao():
    dobra = list(range(256))
    for c in range(256):
        if ord('A') <= c <= ord('Z') or (0xC0 <= c <= 0xDE and c != 0xD7):
            dobra[c] = c + 32
        elif c in (0x8A, 0x8C, 0x8E):
            dobra[c] = c + 16
        elif c == 0x9F:
            dobra[c] = 0xFF
    peso = list(range(256))
    acento = [0] * 256
    for l in range(ord('a'), ord('z') + 1):
        peso[l] = 0x100 + l
    SEM, AGUDO, GRAVE, CIRC, TIL, TREMA, ANEL, CEDILHA, CARON, BARRA = range(10)
    letras = [
        (0xE0, 'a', GRAVE), (0xE1, 'a', AGUDO), (0xE2, 'a', CIRC), (0xE3, 'a', TIL),
        (0xE4, 'a', TREMA), (0xE5, 'a', ANEL), (0xE7, 'c', CEDILHA), (0xE8, 'e', GRAVE),
        (0xE9, 'e', AGUDO), (0xEA, 'e', CIRC), (0xEB, 'e', TREMA), (0xEC, 'i', GRAVE),
        (0xED, 'i', AGUDO), (0xEE, 'i', CIRC), (0xEF, 'i', TREMA), (0xF1, 'n', TIL),
        (0xF2, 'o', GRAVE), (0xF3, 'o', AGUDO), (0xF4, 'o', CIRC), (0xF5, 'o', TIL),
        (0xF6, 'o', TREMA), (0xF8, 'o', BARRA), (0xF9, 'u', GRAVE), (0xFA, 'u', AGUDO),
        (0xFB, 'u', CIRC), (0xFC, 'u', TREMA), (0xFD, 'y', AGUDO), (0xFF, 'y', TREMA),
        (0x9A, 's', CARON), (0x9E, 'z', CARON),
    ]
    for b, base, ac in letras:
        peso[b] = 0x100 + ord(base)
        acento[b] = ac
    for i, b in enumerate((0xE6, 0xF0, 0xFE, 0xDF, 0x9C)):
        peso[b] = 0x100 + ord('z') + 1 + i
    return dobra, peso, acento


DOBRA, PESO, ACENTO = _monta_colacao()


def chave_texto(b):
    """Sort key of ComparaTextoAnsi (letter case aside)."""
    d = [DOBRA[c] for c in b]
    return (tuple(PESO[c] for c in d), tuple(ACENTO[c] for c in d))


def chave_str(b):
    """Sort key of ComparaStrAnsi (letter case counts, lower case first)."""
    return chave_texto(b) + (tuple(0 if DOBRA[c] == c else 1 for c in b),)


# ---- Affix file ---------------------------------------------------------------

class Afixos:
    def __init__(self, caminho):
        self.regras = collections.defaultdict(list)
        self.cruza = {}
        self.tipo = {}
        self.proibida = None
        self.sem_sugestao = None
        with open(caminho, encoding='utf-8-sig') as f:
            for linha in f:
                p = linha.split()
                if not p:
                    continue
                if p[0] == 'FORBIDDENWORD' and len(p) > 1:
                    self.proibida = p[1]
                if p[0] == 'NOSUGGEST' and len(p) > 1:
                    self.sem_sugestao = p[1]
                if p[0] not in ('SFX', 'PFX') or len(p) < 4:
                    continue
                flag = p[1]
                if len(p) == 4 and p[2] in 'YN' and p[3].isdigit():
                    self.cruza[flag] = p[2] == 'Y'
                    self.tipo[flag] = p[0]
                    continue
                tira, poe = p[2], p[3].split('/')[0]
                cond = p[4] if len(p) > 4 else '.'
                tira = '' if tira == '0' else tira
                poe = '' if poe == '0' else poe
                rx = re.compile('^' + cond if p[0] == 'PFX' else cond + '$')
                self.regras[flag].append((tira, poe, rx))

    def sufixos(self, palavra, flag):
        for tira, poe, rx in self.regras[flag]:
            if palavra.endswith(tira) and rx.search(palavra):
                yield palavra[:len(palavra) - len(tira)] + poe

    def prefixos(self, palavra, flag):
        """(prefix added, form) of each prefix rule that applies."""
        for tira, poe, rx in self.regras[flag]:
            if palavra.startswith(tira) and rx.search(palavra):
                yield poe, poe + palavra[len(tira):]


def le_entradas(caminho):
    """(word, flags) of each line of the word file (its first line is a count)."""
    with open(caminho, encoding='utf-8-sig') as f:
        next(f)
        for linha in f:
            linha = linha.rstrip('\n')
            if not linha.strip():
                continue
            palavra, _, flags = linha.partition('/')
            flags = flags.split()[0] if flags.split() else ''
            yield palavra, flags


def em_1252(forma):
    if not forma or any(c not in LETRAS_PALAVRA for c in forma):
        return None
    return forma.encode('cp1252')


# ---- Verbs with their pronouns ----------------------------------------------------

# The forms a verb takes before the pronouns o, a, os, as: as they are after a
# vowel ("ama-o"), "lo" after r, s or z, which drop ("amá-lo", "fazemo-lo",
# "fê-lo"), "no" after a nasal ending ("dão-no", "põe-no"). The future and the
# conditional put the pronoun inside ("dá-lo-ei", "amá-lo-á", "dir-se-ia").
PRONOMES_O = {'o': 'lo', 'a': 'la', 'os': 'los', 'as': 'las'}
PRONOMES_LO = set(PRONOMES_O.values())
PRONOMES_NO = {'no': 'lo', 'na': 'la', 'nas': 'las'}
FIM_FUTURO = {'ei', 'á', 'ás', 'emos', 'eis', 'ão', 'ia', 'ias', 'íamos', 'íeis', 'iam'}
TONICA = {'a': 'á', 'e': 'ê', 'o': 'ô'}


def nasal(x):
    return x.endswith(('m', 'ão', 'õe'))


def antes_de_lo(x):
    """The verb form as it stands before lo, la, los, las: a final r, s or z
    dropped and the vowel then at the end stressed where the r or the z
    carried the stress ("dar" dá-, "fez" fê-, "pôr" pô-, "sair" saí-,
    "partir" parti-, "fazemos" fazemo-, "pões" põe-)."""
    fim, base = x[-1], x[:-1]
    if fim == 's' or not base:
        return base
    v = base[-1]
    if v in TONICA:
        return base[:-1] + TONICA[v]
    if (v == 'i' and fim == 'r' and len(base) > 1 and base[-2] in 'aeou'
            and not base.endswith(('gui', 'qui'))):
        return base[:-1] + 'í'
    return base


def corrige_pronome(forma):
    """The form with the pronoun joined as the language joins it. The affix
    file of hunspell-pt-br writes some of them wrong ("ama-lo-á" for
    amá-lo-á, "dar-lo-emos" for dá-lo-emos, "abríamo-na" for abríamo-la,
    "vejamos-lo" for vejamo-lo, "estão-o" for estão-no)."""
    p = forma.split('-')
    meso = len(p) == 3 and p[2] in FIM_FUTURO
    if not (len(p) == 2 or meso) or not p[0]:
        return forma
    x, pron = p[0], p[1]
    if pron in PRONOMES_LO and x[-1] in 'rsz':
        x = antes_de_lo(x)
    elif pron in PRONOMES_NO and not nasal(x):
        if x[-1] in 'rsz':
            x, pron = antes_de_lo(x), PRONOMES_NO[pron]
        elif x.endswith('mo'):
            pron = PRONOMES_NO[pron]
        else:
            pron = pron[1:]
    elif pron in PRONOMES_O and not meso and x.endswith(('ão', 'õe')):
        pron = 'n' + pron
    if meso and pron in PRONOMES_LO and x[-1] in TONICA:
        x = x[:-1] + TONICA[x[-1]]
    return '-'.join([x, pron] + p[2:])


def com_pronomes(formas):
    """The forms of one entry with their pronoun forms mended, and with o, a,
    os, as wherever the entry joins lhe to a form ("dá-lhe": dá-o; "damos-lhe":
    damo-lo; "dar-lhe-ei": dá-lo-ei), which the affix file leaves out for
    some irregular verbs."""
    r = {corrige_pronome(f) for f in formas}
    for f in formas:
        p = f.split('-')
        if len(p) < 2 or p[1] != 'lhe' or not p[0]:
            continue
        x, resto = p[0], p[2:]
        if resto and (len(resto) > 1 or resto[0] not in FIM_FUTURO):
            continue
        # The second person singular ("ajudas": ajuda-lo) is left out: it is
        # rare in Brazil, and "ajuda-lo" is how ajudá-lo is misspelt.
        if x[-1] == 's' and not x.endswith('mos'):
            continue
        for o, lo in PRONOMES_O.items():
            if x[-1] in 'rsz':
                r.add('-'.join([antes_de_lo(x), lo] + resto))
            elif not resto:
                r.add(x + '-' + ('n' + o if nasal(x) else o))
    return r


# Abbreviations of the word file that the check would accept as they stand in
# a text, yet that as bare words would hide a misspelling of a short common
# word ("am" of em, "qua" of que).
ABREVIATURAS_EXCLUIDAS = {'am', 'al', 'ap', 'ass', 'qua', 'qui', 'aa', 'an'}


def abreviaturas(palavra):
    """The letters of an abbreviation ("Sra." Sra, "págs." págs, "V.Exa." V
    and Exa): the check sees them without the full stop."""
    for parte in palavra.split('.'):
        if parte and parte not in ABREVIATURAS_EXCLUIDAS and em_1252(parte):
            yield parte


# ---- From word forms to stems and classes ---------------------------------------

def prefixo_comum(formas):
    a, b = min(formas), max(formas)
    i = 0
    while i < len(a) and i < len(b) and a[i] == b[i]:
        i += 1
    return a[:i]


def grupos_de(formas):
    """(stem, suffixes) groups covering the forms: one group when they share
    a beginning, else one per first character (irregular verbs)."""
    p = prefixo_comum(formas)
    if p:
        return [(p, frozenset(f[len(p):] for f in formas))]
    por_inicial = collections.defaultdict(set)
    for f in formas:
        por_inicial[f[:1]].add(f)
    r = []
    for g in por_inicial.values():
        r.extend(grupos_de(g))
    return r


# Entries of the word file that only write a common misspelling of another
# word ("deslisar" of deslizar, "exitar" of hesitar): none of their forms is
# taken. Single forms of real words that coincide with a misspelling go in
# diciona.exc instead.
ENTRADAS_RETIRADAS = {'deslisar', 'exitar'}


def gera(aff, dic):
    afixos = Afixos(aff)
    radicais = collections.defaultdict(set)    # stem -> suffix sets
    base_de = collections.defaultdict(collections.Counter)  # suffix set -> base-word endings
    nomes = set()
    for palavra, flags in le_entradas(dic):
        if (afixos.proibida and afixos.proibida in flags) or palavra in ENTRADAS_RETIRADAS:
            continue
        if '.' in palavra:
            # Abbreviations, but not those of the dictionary's own labels
            # ("bibliog.", "antr."), which the file keeps out of suggestions.
            if not (afixos.sem_sugestao and afixos.sem_sugestao in flags):
                for a in abreviaturas(palavra):
                    b = em_1252(a)
                    if a != a.lower():
                        nomes.add(b)
                    else:
                        radicais[b].add(frozenset([b'']))
            continue
        conhecidas = [f for f in flags if f in afixos.tipo]
        suf = [f for f in conhecidas if afixos.tipo[f] == 'SFX']
        pre = [f for f in conhecidas if afixos.tipo[f] == 'PFX']
        simples = {palavra}
        for f in suf:
            simples.update(afixos.sufixos(palavra, f))
        # (forms, the entry's word as that set writes it)
        conjuntos = [(simples, palavra)]
        for f in pre:
            por_prefixo = collections.defaultdict(set)
            base = {}
            for poe, forma in afixos.prefixos(palavra, f):
                por_prefixo[poe].add(forma)
                base[poe] = forma
            if afixos.cruza[f]:
                for s in simples:
                    for poe, forma in afixos.prefixos(s, f):
                        por_prefixo[poe].add(forma)
            conjuntos.extend((formas, base.get(poe, '')) for poe, formas in por_prefixo.items())
        nome = palavra != palavra.lower()
        for formas, palavra_base in conjuntos:
            if not nome:
                formas = com_pronomes(formas)
            bytes_ = {em_1252(x) for x in formas}
            bytes_.discard(None)
            if not bytes_:
                continue
            if nome:
                nomes.update(bytes_)
                continue
            # A word written with the hyphen of an enclitic pronoun shares its
            # stem with the plain verb forms: grouping sees them together.
            for radical, sufs in grupos_de(bytes_):
                radicais[radical].add(sufs)
                base = em_1252(palavra_base)
                fim = base[len(radical):] if base and base.startswith(radical) else b''
                base_de[sufs][fim] += 1
    return radicais, base_de, nomes


def formas_feitas(radicais):
    feitas = set()
    for radical, conjuntos in radicais.items():
        for sufs in conjuntos:
            feitas.update(radical + s for s in sufs)
    return feitas


def acrescenta_lista(caminho, radicais, nomes, feitas):
    """The forms of a plain word list (one a line, "#" starts a comment line)
    that the stems do not make yet."""
    novas = 0
    with open(caminho, encoding='utf-8') as f:
        for linha in f:
            if linha.startswith('#'):
                continue
            b = em_1252(linha.strip())
            if b is None or b in feitas or b in nomes:
                continue
            if b.decode('cp1252') != b.decode('cp1252').lower():
                nomes.add(b)
            else:
                radicais[b].add(frozenset([b'']))
                feitas.add(b)
            novas += 1
    return novas


# ---- The spelling before the 1990 reform ------------------------------------

# Prefixes joined by a hyphen before a vowel, h, r or s (the vowel and rs
# columns) and those joined so only before h, r or s. The reform writes them
# together, doubling the r or the s: "autoestima" was auto-estima,
# "autorretrato" auto-retrato, "antessala" ante-sala.
PREFIXOS_ANTIGOS = {p: True for p in ('auto', 'contra', 'extra', 'infra', 'intra', 'neo', 'proto',
                                      'pseudo', 'semi', 'supra', 'ultra')}
PREFIXOS_ANTIGOS.update({p: False for p in ('ante', 'anti', 'arqui', 'sobre')})
VOGAIS = 'aeiouáéíóúâêôãõ'


def com_hifen_antigo(radical):
    """The stem as the old spelling wrote it, with the prefix's hyphen, and
    the rest after the prefix (to be a word of its own); or None."""
    for prefixo, antes_de_vogal in PREFIXOS_ANTIGOS.items():
        if not radical.startswith(prefixo) or len(radical) < len(prefixo) + 3:
            continue
        resto = radical[len(prefixo):]
        if resto[:2] in ('rr', 'ss'):
            resto = resto[1:]
        elif not (antes_de_vogal and resto[0] in VOGAIS and resto[0] != prefixo[-1]):
            continue
        return prefixo + '-' + resto, resto
    return None


def chaves_trema(caminho):
    """From the trema words of the old list ("tranqüilo", "seqüestro"): the
    beginning of each through two letters after the ü (six letters at least),
    without and with it ("tranquil": "tranqüil"), so that the other words of
    the same family ("tranquilamente", "sequestrador") get the ü too."""
    chaves = {}
    with open(caminho, encoding='utf-8') as f:
        for linha in f:
            w = linha.strip()
            for i, c in enumerate(w):
                # Six letters at least: "qüin" (of qüinqüênio) would give
                # "qüinze" and "qüintal" the ü they never had.
                if c == 'ü' and i > 0 and w[i - 1] in 'gq' and max(i + 3, 6) <= len(w):
                    com = w[:max(i + 3, 6)]
                    chaves[com.replace('ü', 'u')] = com
    return chaves


def com_trema(radical, chaves):
    for j in range(len(radical), 5, -1):
        com = chaves.get(radical[:j])
        if com:
            return com + radical[j:]
    return None


def junta(novos, radicais, feitas):
    """Adds the new (stem, suffixes) pairs that are not there yet; returns
    how many."""
    n = 0
    for radical, conjuntos in novos.items():
        for sufs in conjuntos:
            if sufs not in radicais[radical]:
                radicais[radical].add(sufs)
                feitas.update(radical + s for s in sufs)
                n += 1
    return n


def grafias_antigas(caminho_lista, radicais, feitas):
    """Stems in the spelling before the reform that the old word list does not
    write out: the prefixes with their hyphen, "pára-" of the verb parar
    ("pára-choque", "pára-quedas") and the ü of the families of its trema
    words."""
    chaves = chaves_trema(caminho_lista)
    novos = collections.defaultdict(set)
    for radical, conjuntos in radicais.items():
        r = radical.decode('cp1252')
        antigos = []
        h = com_hifen_antigo(r)
        if h:
            resto = h[1].encode('cp1252')
            antigos.extend((h[0], sufs) for sufs in conjuntos
                           if any(resto + s in feitas for s in sufs))
        if r.startswith('para-'):
            antigos.extend(('pára-' + r[5:], sufs) for sufs in conjuntos)
        elif r.startswith('paraqued'):
            antigos.extend(('pára-' + r[4:], sufs) for sufs in conjuntos)
        t = com_trema(r, chaves)
        if t:
            antigos.extend((t, sufs) for sufs in conjuntos)
        for a, sufs in antigos:
            novos[a.encode('cp1252')].add(sufs)
    return junta(novos, radicais, feitas)


# Second elements that the spelling before the reform joined to "co" with a
# hyphen ("co-autor", "co-herdeiro", "co-seno"), as the beginning of their
# forms; the reform writes them together, doubling an r or an s and dropping
# an h ("coautor", "coerdeiro", "cosseno").
ELEMENTOS_CO = ('autor', 'edi', 'educ', 'herdeir', 'irm', 'obriga', 'ocupa', 'orienta', 'pilot', 'produ',
                'propriet', 'responsáv', 'responsabil', 'seno', 'secant', 'tangent', 'signat', 'fund',
                'gest', 'particip', 'patrocin', 'relator', 'roteir', 'titular', 'estrel')


def co_com_hifen(radicais, feitas):
    """The forms of the words made with "co" and one of ELEMENTOS_CO, as the
    old spelling wrote them: "coautor" co-autor, "corresponsável"
    co-responsável, "coerdeiro" co-herdeiro."""
    prefixos = []
    for e in ELEMENTOS_CO:
        atual = 'co' + (e[1:] if e[0] == 'h' else e[0] + e if e[0] in 'rs' else e)
        prefixos.append((atual.encode('cp1252'), ('co-' + e).encode('cp1252')))
    novos = collections.defaultdict(set)
    for radical, conjuntos in radicais.items():
        if not radical.startswith(b'co'):
            continue
        for atual, antigo in prefixos:
            if radical.startswith(atual):
                for sufs in conjuntos:
                    novos[antigo + radical[len(atual):]].add(sufs)
            elif atual.startswith(radical):
                # A stem shorter than the element: its forms that hold it
                # whole, each a stem of its own.
                for sufs in conjuntos:
                    for s in sufs:
                        f = radical + s
                        if f.startswith(atual):
                            novos[antigo + f[len(atual):]].add(frozenset([b'']))
    return junta(novos, radicais, feitas)


def sem_acentos(texto):
    return ''.join(c for c in unicodedata.normalize('NFD', texto) if unicodedata.category(c) != 'Mn')


def acrescenta_nomes(caminho, radicais, nomes):
    """The capitalised entries of a word list of another language, as names."""
    portugues = set()
    for radical, conjuntos in radicais.items():
        for sufs in conjuntos:
            portugues.update(sem_acentos((radical + s).decode('cp1252')) for s in sufs)
    novos = 0
    with open(caminho, encoding='utf-8') as f:
        for linha in f:
            palavra = linha.strip()
            b = em_1252(palavra)
            if b is None or not palavra[:1].isupper() or "'" in palavra or b in nomes:
                continue
            if sem_acentos(palavra.lower()) in portugues:
                continue
            nomes.add(b)
            novos += 1
    return novos


def com_maiusculas(nomes):
    """The names also written all in capitals, as titles and covers write
    them ("HISTÓRIA DE PORTUGAL"); the name file is matched letter for
    letter."""
    novos = set()
    for b in nomes:
        try:
            novos.add(b.decode('cp1252').upper().encode('cp1252'))
        except UnicodeEncodeError:
            pass
    antes = len(nomes)
    nomes |= novos
    return len(nomes) - antes


def nomeia_classes(base_de):
    """A name for each suffix set: the ending of the entries' base word (or
    "0" for the bare stem) and a number, the most used first."""
    uso = collections.Counter()
    for sufs, fins in base_de.items():
        uso[sufs] = sum(fins.values())
    por_fim = collections.defaultdict(list)
    for sufs in base_de:
        if sufs - {b''}:
            fim = max(base_de[sufs].items(), key=lambda kv: (kv[1], kv[0]))[0]
            por_fim[fim or b'0'].append(sufs)
    nomes = {}
    for fim, lista in por_fim.items():
        lista.sort(key=lambda s: (-uso[s], sorted(s)))
        for i, sufs in enumerate(lista, 1):
            nomes[sufs] = fim + b'_' + str(i).encode()
    return nomes


def escreve(caminho, cabecalho, linhas):
    with open(caminho, 'wb') as f:
        for c in cabecalho:
            f.write(('* ' + c).rstrip().encode('cp1252') + b'\r\n')
        for l in linhas:
            f.write(l + b'\r\n')


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument('--aff', default='/usr/share/hunspell/pt_BR.aff')
    ap.add_argument('--dic', default='/usr/share/hunspell/pt_BR.dic')
    ap.add_argument('--lista', default='/usr/share/dict/brazilian')
    ap.add_argument('--nomes', default='/usr/share/dict/american-english')
    ap.add_argument('--acrescimos', default=os.path.join(os.path.dirname(__file__), 'dicionario_acrescimos.txt'))
    ap.add_argument('--saida', default=os.path.join(os.path.dirname(__file__), '..', 'data'))
    a = ap.parse_args()

    radicais, base_de, nomes = gera(a.aff, a.dic)
    feitas = formas_feitas(radicais)
    antigas = grafias_antigas(a.lista, radicais, feitas)
    antigas += co_com_hifen(radicais, feitas)
    novas = acrescenta_lista(a.lista, radicais, nomes, feitas)
    novas += acrescenta_lista(a.acrescimos, radicais, nomes, feitas)
    del feitas
    estrangeiros = acrescenta_nomes(a.nomes, radicais, nomes)
    capitais = com_maiusculas(nomes)
    classes = nomeia_classes(base_de)
    origem = ['Gerado por tools/gera_dicionario.py a partir de hunspell-pt-br (dicionário VERO,',
              'LGPL-3 ou MPL), wbrazilian (br.ispell, GPL-2) e, para nomes estrangeiros, wamerican',
              '(SCOWL): não edite à mão, gere de novo.']

    linhas_dic = []
    for radical in sorted(radicais, key=chave_texto):
        conjuntos = radicais[radical]
        fichas = []
        if any(b'' in s for s in conjuntos):
            fichas.append(b'=')
        fichas.extend(sorted({classes[s] for s in conjuntos if s - {b''}}))
        linhas_dic.append(radical + b' ' + b' '.join(fichas))
    escreve(os.path.join(a.saida, 'diciona.dic'),
            ['diciona.dic: radicais e suas classes de sufixos ("=" é o radical sozinho).'] + origem,
            linhas_dic)

    linhas_suf = []
    for sufs, nome in sorted(classes.items(), key=lambda kv: chave_texto(kv[1])):
        linhas_suf.append(b'[' + nome + b']')
        linhas_suf.extend(sorted(sufs - {b''}, key=chave_texto))
    escreve(os.path.join(a.saida, 'diciona.suf'),
            ['diciona.suf: classes de sufixos; [nome] abre uma classe, cada linha seguinte é um sufixo.'] +
            origem, linhas_suf)

    escreve(os.path.join(a.saida, 'diciona.nom'),
            ['diciona.nom: nomes próprios e siglas, aceitos só com a grafia exata.'] + origem,
            sorted(nomes, key=chave_str))
    print(f'{len(linhas_dic)} radicais, {len(classes)} classes, {len(nomes)} nomes '
          f'({antigas} radicais da grafia antiga, {novas} formas das listas, '
          f'{estrangeiros} nomes estrangeiros, {capitais} em maiúsculas)', file=sys.stderr)


if __name__ == '__main__':
    main()
