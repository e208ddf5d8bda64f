#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    std::puts("Ovalis: the viewer window arrives with the next build.");
    return 0;
}
