#pragma once
// The join as the module kytpreview-pdfjoin.so builds it with qpdf (see
// PdfJoin.h).

#include "platform/surface/PdfJoin.h"
#include <string>
#include <vector>

namespace kyt
{

class PdfJoinWriter final : public PdfJoin
{
public:
    explicit PdfJoinWriter(QIODevice* out);
    ~PdfJoinWriter() override;

    void add(const PrinterSurface::Part& part) override;
    void finish(QSizeF paperPoints) override;
    int pages() const override { return int(m_pages.size()); }

private:
    struct Copy; // with qpdf's object model
    // Copies a part as our drawing writes it (PdfPartReader); false, having
    // written nothing, for a part it does not expect.
    bool copyAsWritten(const std::string& bytes, const PrinterSurface::Part& part);
    void write(const char* data, size_t size);
    void write(const std::string& s) { write(s.data(), s.size()); }
    void header(const std::string& version);
    int reserve(); // the next object number
    void beginObject(int number);

    QIODevice* m_out;
    qint64 m_pos = 0;
    std::vector<qint64> m_offsets; // by object number - 1; 0 not yet written
    std::vector<int> m_pages; // page object numbers, in order
    int m_info = 0, m_metadata = 0;
    bool m_started = false;
};

} // namespace kyt
