#!/usr/bin/env python3
"""Runs `banmark-batch --position` on every labelled photograph of
../shared/real-photos/boards and prints, photo by photo, the points read
wrong (against the label, under the board's four quarter turns), each as
(column, row) of the label, the label's value and the value read, then the
share of points right and the photographs read without a wrong point.

With --given, the labelled corners are given (--size, --corners) instead
of the board being found. With --turned, every photograph is read turned a
quarter clockwise (the board found on it), as if taken from the board's
other side: the reading must not depend on where the camera stood.

Usage: tools/position-report.py [--given | --turned] [path/to/banmark-batch]"""
import glob, json, os, subprocess, sys, tempfile

here = os.path.dirname(os.path.abspath(__file__))
given = '--given' in sys.argv
quarter = '--turned' in sys.argv
arguments = [a for a in sys.argv[1:] if a not in ('--given', '--turned')]
batch = arguments[0] if arguments else os.path.join(here, '..', 'build', 'banmark-batch')
boards = os.path.join(here, '..', '..', 'shared', 'real-photos', 'boards')
if not os.path.isdir(boards):
    sys.exit('no labelled photographs at ' + boards)


def rows(text):
    return [line.split() for line in text.strip().split('\n') if line.strip()]


def corners_of(photo, label):
    """The labelled corners in the pixels of the photograph as the program
    shrinks it (to 1600 pixels on its longer side at most)."""
    size = subprocess.run(['identify', '-format', '%w %h', photo + '[0]'],
                          capture_output=True, text=True).stdout.split()
    shrink = min(1.0, 1600 / max(int(size[0]), int(size[1])))
    return ['--size', str(label['board_size']), '--corners',
            ','.join(str(round(c * shrink)) for corner in label['grid_corners'] for c in corner)]


def turned(grid):
    return [list(row) for row in zip(*grid[::-1])]


def misread(got, truth):
    """The points read wrong, as (column,row)label>read."""
    return ' '.join('(%d,%d)%s>%s' % (i, j, truth[j][i], got[j][i])
                    for j, row in enumerate(truth) for i, value in enumerate(row)
                    if got[j][i] != value)


points = wrong = perfect = read = 0
for game in sorted(glob.glob(os.path.join(boards, 'game*'))):
    labels = json.load(open(os.path.join(game, 'corners.json')))
    for name in sorted(labels):
        photo = os.path.join(game, name)
        label = os.path.splitext(photo)[0] + '.txt'
        if not os.path.exists(label):
            continue
        work = tempfile.mkdtemp()
        link = 'foto' + os.path.splitext(name)[1]
        if quarter:
            subprocess.run(['convert', photo, '-rotate', '90', os.path.join(work, link)])
        else:
            os.symlink(photo, os.path.join(work, link))
        extra = corners_of(photo, labels[name]) if given else []
        run = subprocess.run([batch, '--no-kifu', '--position', link] + extra, cwd=work,
                             capture_output=True, text=True)
        truth = rows(open(label).read())
        points += sum(len(row) for row in truth)
        if run.returncode != 0:
            print('%-45s no board found' % name)
            wrong += sum(len(row) for row in truth)
            continue
        got = rows(run.stdout)[1:]
        misses = []
        for _ in range(4):
            misses.append(sum(a != b for r, s in zip(got, truth) for a, b in zip(r, s))
                          if len(got) == len(truth) else len(truth) ** 2)
            got = turned(got)
        for _ in range(misses.index(min(misses))):
            got = turned(got)
        read += 1
        wrong += min(misses)
        perfect += min(misses) == 0
        shown = misread(got, truth) if len(got) == len(truth) else ''
        print('%-45s %3d wrong %s' % (os.path.basename(game) + '/' + name, min(misses), shown))
print('points right %.4f (%d wrong of %d); %d of %d photographs read without a wrong point'
      % (1 - wrong / points, wrong, points, perfect, read))
