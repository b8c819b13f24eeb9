#pragma once
// The join (see PdfJoin.h): parts our drawing writes are copied here, any
// other goes to qpdf's copier in the module.

#include "platform/surface/PdfJoin.h"
#include "platform/surface/PdfJoinTarget.h"
#include <string>
#include <vector>

namespace kyt
{

class PdfJoinWriter final : public PdfJoin, private PdfJoinTarget
{
public:
    explicit PdfJoinWriter(QIODevice* out);
    ~PdfJoinWriter() override;

    void add(const PrinterSurface::Part& part) override;
    void add(std::string_view part, const std::vector<PrinterSurface::PassedJpeg>& jpegs) override;
    void finish(QSizeF paperPoints) override;
    int pages() const override { return int(m_pages.size()); }

private:
    // Copies a part as our drawing writes it (PdfPartReader); false, having
    // written nothing, for a part it does not expect.
    bool copyAsWritten(std::string_view bytes, const std::vector<PrinterSurface::PassedJpeg>& jpegs);

    bool started() const override { return m_started; }
    void header(const std::string& version) override;
    int reserve() override;
    void beginObject(int number) override;
    void write(const char* data, size_t size) override;
    using PdfJoinTarget::write;
    void addPage(int number) override { m_pages.push_back(number); }
    size_t pageCount() const override { return m_pages.size(); }
    bool hasInfo() const override { return m_info != 0; }
    void setInfo(int number) override { m_info = number; }
    void setMetadata(int number) override { m_metadata = number; }

    QIODevice* m_out;
    qint64 m_pos = 0;
    std::vector<qint64> m_offsets; // by object number - 1; 0 not yet written
    std::vector<int> m_pages; // page object numbers, in order
    int m_info = 0, m_metadata = 0;
    bool m_started = false;
};

} // namespace kyt
