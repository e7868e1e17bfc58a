// Saves a file far too large to finish quickly, so a test can kill the
// program in the middle of the write.
#include <QByteArray>
#include <QString>

#include "files/SafeFileWrite.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  return quillane::WriteFileSafely(QString::fromLocal8Bit(argv[1]), QByteArray(256 << 20, 'x')) ? 0 : 1;
}
