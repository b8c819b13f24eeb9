// The published identifiers are well formed and distinct.
#include <gtest/gtest.h>

#include "util/Identifiers.h"
#include <QSet>
#include <QUuid>

using namespace kyt::ids;

TEST(Identifiers, GuidsParseAndDiffer)
{
    const char* all[] = { LibraryId, Preview_ClassId, Preview_InterfaceId, Preview_EventInterfaceId,
        CPrintTemplate_ClassId, CPrintTemplate_InterfaceId, CPrintData_ClassId, CPrintData_InterfaceId,
        CVariant_ClassId, CVariant_InterfaceId, CPhotoObject_ClassId, CPhotoObject_InterfaceId, CDataObject_ClassId,
        CDataObject_InterfaceId };
    QSet<QUuid> seen;
    for (const char* id : all) {
        const QUuid uuid(QString::fromLatin1(id));
        EXPECT_FALSE(uuid.isNull()) << id;
        EXPECT_EQ(uuid.toString(QUuid::WithBraces).toUpper(), QString::fromLatin1(id)) << id;
        seen.insert(uuid);
    }
    EXPECT_EQ(seen.size(), static_cast<qsizetype>(std::size(all)));
}

TEST(Identifiers, DispatchNumbersDistinctPerInterface)
{
    namespace T = dispid::CPrintTemplate;
    const qint32 templ[] = { T::XOffset, T::YOffset, T::PictureScale, T::Duplex, T::Width, T::Height, T::Scalor,
        T::Orientation, T::TemplateName, T::TargetApplication, T::Remove, T::NewEnum, T::ReadSerialTextFile, T::Render,
        T::ReadFile, T::CreateParseString, T::TemplateType, T::DataChanged, T::Picture, T::SaveFile, T::ScaleID,
        T::GetDataFieldNames, T::AddPhoto, T::AddData, T::Border };
    EXPECT_EQ(QSet<qint32>(std::begin(templ), std::end(templ)).size(), static_cast<qsizetype>(std::size(templ)));

    namespace D = dispid::CPrintData;
    const qint32 data[] = { D::CreateIfNotFound, D::Add, D::Item, D::Count, D::Remove, D::NewEnum, D::MakeDataStream,
        D::SetCurrentDataStream, D::CreateVariant, D::SelectDataField };
    EXPECT_EQ(QSet<qint32>(std::begin(data), std::end(data)).size(), static_cast<qsizetype>(std::size(data)));

    namespace P = dispid::Preview;
    const qint32 preview[]
        = { P::PreviewTemplate, P::EditTemplate, P::About, P::CreatePrintData, P::CreatePrintTemplate, P::Clear,
              P::PictureImage, P::PrintTemplate, P::DefaultPrintData, P::GetTemplateBitmap };
    EXPECT_EQ(QSet<qint32>(std::begin(preview), std::end(preview)).size(), static_cast<qsizetype>(std::size(preview)));
}
