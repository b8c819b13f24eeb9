#pragma once
// The library's published identifiers: the type library, its classes and
// default interfaces, and the dispatch numbers of their members. Hosts that
// persist references to the classes or map member numbers keep using these.

#include <QtGlobal>

namespace kyt::ids
{

// Type library "KYTPreview", version 2.0.
inline constexpr char LibraryId[] = "{FA56F682-4F00-495F-8BFE-C590790B240F}";
inline constexpr int LibraryVersionMajor = 2;
inline constexpr int LibraryVersionMinor = 0;

// Classes and their default dispatch interfaces.
inline constexpr char Preview_ClassId[] = "{646F66B6-243F-477A-87B0-66A6C051C841}";
inline constexpr char Preview_InterfaceId[] = "{E236D6FA-8918-4F11-ADF4-30A7D3151CDB}";
inline constexpr char Preview_EventInterfaceId[] = "{F0297871-B50B-4419-944E-7FAF875C337D}";
inline constexpr char CPrintTemplate_ClassId[] = "{693CEFDC-CBEC-4BAF-8BEF-23A9C56D9C8D}";
inline constexpr char CPrintTemplate_InterfaceId[] = "{643481FE-B129-47D1-8AB4-66B94C1AA538}";
inline constexpr char CPrintData_ClassId[] = "{99F40650-0C69-41C8-AEDA-74FDFB8AAA60}";
inline constexpr char CPrintData_InterfaceId[] = "{419AE718-E226-47A4-9CE0-2AEE6AAC2CB8}";
inline constexpr char CVariant_ClassId[] = "{B58F561B-2D07-45AE-ABCD-F33DB4D673F7}";
inline constexpr char CVariant_InterfaceId[] = "{EF937593-5A38-44F9-8900-2C6AED9C5879}";
inline constexpr char CPhotoObject_ClassId[] = "{1D7E2FED-7A5C-454F-9B66-059F67637122}";
inline constexpr char CPhotoObject_InterfaceId[] = "{061CAC9F-DA06-4534-9A26-C8E32A827769}";
inline constexpr char CDataObject_ClassId[] = "{0F5CB273-D68B-4B95-8AA1-DF5A28D152FD}";
inline constexpr char CDataObject_InterfaceId[] = "{F5901E64-F6C6-417F-A8E0-D54EAFBF0154}";

// Help strings of the type library.
inline constexpr char CPrintTemplate_GetDataFieldNames_HelpString[]
    = "Returns an Array of Strings with the DataFieldNames.";
inline constexpr char CPrintData_HelpString[] = "The print data class with all of the field data in a collection.";
inline constexpr char DesignObject_HelpString[]
    = "This is the base Object for createing all the necessary objects for the Design/print.";

// Dispatch numbers shared by every interface.
inline constexpr qint32 DispidValue = 0; // default member
inline constexpr qint32 DispidNewEnum = -4; // 0xFFFFFFFC

namespace dispid::Preview
{
inline constexpr qint32 PreviewTemplate = 0x60030004;
inline constexpr qint32 EditTemplate = 0x60030006;
inline constexpr qint32 About = 0x60030007;
inline constexpr qint32 CreatePrintData = 0x60030008;
inline constexpr qint32 CreatePrintTemplate = 0x60030009;
inline constexpr qint32 Clear = 0x6003000A;
inline constexpr qint32 PictureImage = 0x68030001;
inline constexpr qint32 PrintTemplate = 0x6003000B;
inline constexpr qint32 DefaultPrintData = 0x68030000;
inline constexpr qint32 GetTemplateBitmap = 0x6003000D;
} // namespace dispid::Preview

namespace dispid::CPrintTemplate
{
inline constexpr qint32 XOffset = 0x68030012;
inline constexpr qint32 YOffset = 0x68030011;
inline constexpr qint32 PictureScale = 0x68030010;
inline constexpr qint32 Duplex = 0x6803000F;
inline constexpr qint32 Width = 0x6803000E;
inline constexpr qint32 Height = 0x6803000D;
inline constexpr qint32 Scalor = 0x6803000C;
inline constexpr qint32 Orientation = 0x68030009;
inline constexpr qint32 TemplateName = 0x68030008;
inline constexpr qint32 TargetApplication = 0x68030007;
inline constexpr qint32 Remove = 0x60030014;
inline constexpr qint32 NewEnum = DispidNewEnum;
inline constexpr qint32 ReadSerialTextFile = 0x60030018;
inline constexpr qint32 Render = 0x60030019;
inline constexpr qint32 ReadFile = 0x6003001A;
inline constexpr qint32 CreateParseString = 0x6003001B;
inline constexpr qint32 TemplateType = 0x68030004;
inline constexpr qint32 DataChanged = 0x68030003;
inline constexpr qint32 Picture = 0x68030002;
inline constexpr qint32 SaveFile = 0x6003001E;
inline constexpr qint32 ScaleID = 0x60030020;
inline constexpr qint32 GetDataFieldNames = 0x60030023;
inline constexpr qint32 AddPhoto = 0x60030027;
inline constexpr qint32 AddData = 0x60030028;
inline constexpr qint32 Border = 0x68030000;
} // namespace dispid::CPrintTemplate

namespace dispid::CPrintData
{
inline constexpr qint32 CreateIfNotFound = 0x68030001;
inline constexpr qint32 Add = 0x60030002;
inline constexpr qint32 Item = DispidValue;
inline constexpr qint32 Count = 0x68030000;
inline constexpr qint32 Remove = 0x60030003;
inline constexpr qint32 NewEnum = DispidNewEnum;
inline constexpr qint32 MakeDataStream = 0x60030006;
inline constexpr qint32 SetCurrentDataStream = 0x60030007;
inline constexpr qint32 CreateVariant = 0x60030008;
inline constexpr qint32 SelectDataField = 0x60030009;
} // namespace dispid::CPrintData

namespace dispid::CVariant
{
inline constexpr qint32 vValue = DispidValue;
inline constexpr qint32 Key = 0x68030000;
} // namespace dispid::CVariant

} // namespace kyt::ids
