# Precompiled headers: the Qt, standard-library and test-framework headers most files of a kind of
# target include, compiled once and reused by every target of that kind.
#
# A precompiled header is only usable where it was made with the same flags: GCC checks (and with
# -Winvalid-pch says) when it is not, and then reads the headers as text, so a mismatch costs time,
# never behaviour. Hence one kind per set of flags: libraries (-fPIC) and programs (-fPIE) apart, and
# the Qt modules' QT_*_LIB macros alike. The first target named for a kind makes the header; it must
# define no macro of its own (a macro defined when the header was made must be defined alike where it
# is used).
#
# With -DRIMBALO_PCH=OFF every file includes its headers itself (a check for a missing #include).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(rimbalo_pch_default ON)
else()
    set(rimbalo_pch_default OFF)
endif()
option(RIMBALO_PCH "Precompile the common headers of each kind of target (GCC)" ${rimbalo_pch_default})
if(RIMBALO_PCH)
    add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-Winvalid-pch>)
endif()

set(rimbalo_pch_std <algorithm> <array> <functional> <map> <memory> <optional> <string> <string_view> <vector>)

# Tests without Qt.
set(rimbalo_pch_test ${rimbalo_pch_std} <gtest/gtest.h>)

# The server side: Qt Core and Network, no GUI (libraries).
set(rimbalo_pch_net ${rimbalo_pch_std} <QObject> <QString> <QTimer> <QHostAddress> <QTcpSocket> <QDateTime>
    <QSocketNotifier> <QCoreApplication>)

# Qt Widgets with Network: the window's libraries.
set(rimbalo_pch_widgets ${rimbalo_pch_std} <QObject> <QString> <QStringList> <QTimer> <QFile> <QDir> <QFileInfo>
    <QColor> <QImage> <QPainter> <QApplication> <QWidget> <QLabel> <QLineEdit> <QAction> <QMenu>
    <QMessageBox> <QAbstractButton> <QPushButton> <QCheckBox> <QComboBox> <QSpinBox> <QListWidget>
    <QVBoxLayout> <QMouseEvent> <QKeyEvent> <QTcpSocket>)

# Their tests: the same with Qt Test and the test framework.
set(rimbalo_pch_widgettest ${rimbalo_pch_widgets} <QTest> <QSignalSpy> <QTemporaryDir> <QPlainTextEdit>
    <QTextBrowser> <QTcpServer> <QProcess> <gtest/gtest.h>)

# The server's tests: Qt Core, Network and Test.
set(rimbalo_pch_servertest ${rimbalo_pch_net} <QTcpServer> <QProcess> <QTest> <QSignalSpy> <gtest/gtest.h>)

# rimbalo_precompile(<kind> <target>...): the targets use the kind's precompiled header; the first
# target named for the kind (for Qt Test's programs: in their folder) makes it. Worth it for a target of
# a few files or a kind of a few targets.
function(rimbalo_precompile kind)
    if(NOT RIMBALO_PCH)
        return()
    endif()
    # Qt Test names each folder's test folders in macros (QT_TESTCASE_SOURCEDIR, ..._BUILDDIR): its
    # programs share a header only with the programs of their own folder.
    set(key ${kind})
    if("<QTest>" IN_LIST rimbalo_pch_${kind})
        string(MAKE_C_IDENTIFIER ${CMAKE_CURRENT_SOURCE_DIR} folder)
        set(key ${kind}_${folder})
    endif()
    foreach(target IN LISTS ARGN)
        get_property(owner GLOBAL PROPERTY rimbalo_pch_owner_${key})
        if(owner)
            target_precompile_headers(${target} REUSE_FROM ${owner})
        else()
            set_property(GLOBAL PROPERTY rimbalo_pch_owner_${key} ${target})
            target_precompile_headers(${target} PRIVATE ${rimbalo_pch_${kind}})
        endif()
    endforeach()
endfunction()
