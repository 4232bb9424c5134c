#!/usr/bin/env bash
# Fails when a file outside src/ui includes a Qt Widgets header or links the
# widgets module: the core must stay usable and testable without a display.
set -u
src=${1:?usage: check_layering.sh SRC_DIR}
offenders=$(grep -rlE '#include *<(QtWidgets|QWidget|QDialog|QMessageBox|QApplication|QMainWindow|QLabel|QLineEdit|QPushButton|QComboBox|QCheckBox|QGroupBox)' \
    "$src" --include='*.h' --include='*.cpp' | grep -v "^$src/ui/")
if [ -n "$offenders" ]; then
    echo "Qt Widgets used outside src/ui:"
    echo "$offenders"
    exit 1
fi
echo "layering: no Qt Widgets outside src/ui"
