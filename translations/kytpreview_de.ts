<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>kyt::Barcode</name>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds %1 digits (%2 with its check digit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is nothing to encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no symbol came out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::CDesignObject</name>
    <message>
        <source>Invalid picture: the logo has no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Font Not Found: Using MS San Serif for </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Load Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::CError</name>
    <message>
        <source>System Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (error %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There has been an error in your application!  The action that you were attempting will not be complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please record the following information for future reference should this error persist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Version: 	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Error Source:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Error Type:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Error Number:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Error Message:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     32bit DLL Error:	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-attempt what you were doing.  If this error persists contact </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a CRITICAL error!  Your application will be terminated!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::CParseString</name>
    <message>
        <source>Type mismatch: field length &quot;%1&quot; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow: field length %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch: field &quot;%1&quot; does not hold text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable not set: no print data for the field references</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of stack space: more than %1 field references (a field refers to itself?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;{{&quot; without &quot;}}&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid procedure call or argument: &quot;}}&quot; before &quot;{{&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: the line grows beyond %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::CPrintTemplate</name>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control array element &apos;%1&apos; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A static text box can not be saved without text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A data field box can not be saved without a data field name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A logo can not be saved without a picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Template</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::CRegistry</name>
    <message>
        <source>Unknown Error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to create Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to query Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Couldn&apos;t write new value to registry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not set value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::CTextObjectBase</name>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code 39 holds only A-Z, 0-9, space and - . $ / + %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code 128 B holds only the characters with codes 32 to 127</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code 128 C holds only digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the value &quot;%2&quot; cannot be drawn as a barcode: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Font Not Found. Render Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::CardJob</name>
    <message>
        <source>in field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card could not be drawn: %1; its page is left blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a design object failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make a file in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: there is no record %2 (%3 %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the template cannot be copied for drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write a part of the document: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read a part of the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a template file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: %2 bytes, more than the %3 a photo may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: not a readable picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: %2 x %3 pixels, more than a photo may have (16 megapixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than a data stream file may have (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: more than a data stream file may have (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a data stream file: it holds no field separators (a data stream is, for each field, its name, the character with code 1, its value and the character with code 2)%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; a CSV file is read with --csv FILE --row N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: more than %2 entries; a card has far fewer fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: field %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card&apos;s size %1 x %2 inches makes no sense (each side must be 0.1 to 200 inches)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::Counted</name>
    <message>
        <source>%1 field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 barcodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 empty record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 empty records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::DataSource</name>
    <message>
        <source>a quoted field is not closed before the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record is longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text follows a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quote inside an unquoted field (field %1) was kept as a character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 holds a NUL character (code 0): the file is damaged or not text (UTF-16 needs its byte order mark)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is UTF-8 while the file is read as Windows-1252 (other records are not UTF-8): it reads &quot;%2&quot;, not &quot;%3&quot;; save the file in one encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 is not valid UTF-8 text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 where the header has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty: a header row naming the columns is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header row: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header row: column %1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header row: the column name &quot;%1&quot; appears twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: %2 x %3 pixels, more than a photo may have (16 megapixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1 (line %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a data source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in field %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: %2 bytes, more than the %3 a photo may have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>photo %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 bytes, more than a data stream file may have (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: more than a data stream file may have (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a data stream file: it holds no field separators (a data stream is, for each field, its name, the character with code 1, its value and the character with code 2)%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; a CSV file is read with --csv FILE --row N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: more than %2 entries; a card has far fewer fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file was removed or renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file changed since it was opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a port number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoding must be utf-8, windows-1252 or auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the delimiter must be , ; or tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown parameter &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an address in [ ] is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no database named (postgresql://USER@HOST:PORT/DATABASE?table=TABLE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file or URL given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a PostgreSQL URL reads postgresql://USER@HOST:PORT/DATABASE?table=TABLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file named after &quot;%1:&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a table or a query, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (table %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (query)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name a table (?table=NAME) or a query (--query &quot;SELECT ...&quot;); it holds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tables </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no table &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column name &quot;%1&quot; appears twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the query gives no columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading record %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counting the records failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database file was removed or renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database changed since it was opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s %1 driver is not installed (package %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a SQLite database: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot connect: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the query failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the query gives no records (a SELECT is needed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection was lost</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::OutputFile</name>
    <message>
        <source>a named pipe (FIFO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a character device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a block device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a special file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1...: the file name is too long (%2 bytes; at most %3 here)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1...: the path is too long (at most %2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: is %2, not a regular file; an output only replaces a regular file or makes a new one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::Picture</name>
    <message>
        <source>Unsupported or damaged picture data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture is too large (%1 x %2 pixels; %3 pixels are left of the budget)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a JPEG file a document can hold as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Formats</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::Preflight</name>
    <message>
        <source>field &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>barcode type %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&quot; or &quot;%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the font of another symbology: its value prints as bars no scanner reads as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a barcode font: its value prints as letters, not bars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, %3): font &quot;%4&quot; is %5; use &quot;%6&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2): font size %3 pt cannot be drawn (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its box is too small for the symbol: a module would be less than a dot (a larger box or a shorter value fits it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at its fixed module size the symbol is %1&quot; x %2&quot;, its box %3&quot; x %4&quot;; it prints over what lies beside it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, %3 at %4 pt): the %5 is %6&quot; wide, its box %7&quot;; it prints over what lies beside it (a smaller font size or a wider box fits it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more like these</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more warnings like these</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... (%1 in all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lacks the field the template uses: %2 (it has: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lacks the fields the template uses: %2 (it has: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the value &quot;%2&quot; cannot be drawn as a barcode: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) at %3, %4 sized %5 x %6 in lies outside the %7 x %8 in card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>font &quot;%1&quot; (used by %2) is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no text objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>installed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo %1 has no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the card could not be drawn: %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (--csv or --data give it its field values)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: barcode %2 cannot be read (it should carry &quot;%3&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: barcode %2 reads &quot;%3&quot; where &quot;%4&quot; is expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 used, all provided</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 used, all among the source&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>columns the template does not use: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, ... (%1 in all)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a readable file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only the first %1 of the %2 were checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no records to print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, none empty or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 empty (skipped when printing), none damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the template uses no fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the template uses %1 (no data given to compare)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the card without data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on the card, every text and barcode within its box%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the one object lies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all %1 objects lie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (data fields are measured with their values: --csv or --data)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every value can be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no card was rendered, so no barcode was read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rendered at %2 dpi, %3 read back as expected%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (without data: data fields show their field names, as render draws them%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 of field names their symbology cannot carry not read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::PrinterCalibration</name>
    <message>
        <source>the settings store is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings store refused the value (error %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings store %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offsets must be numbers from -%1 to %1 inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scale must be a number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration of printer %1 is damaged: %2 is &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration of printer %1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a printer name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings store is read-only or the key holds more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an offset: give X,Y in inches or with mm (e.g. 0.02,-0.01 or 0.5mm,-0.3mm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::PrinterSurface</name>
    <message>
        <source>%1 lacks functions this library uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: CUPS cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no output file given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no printer given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot print on &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no printer named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document &quot;%1&quot; has already ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document &quot;%1&quot; is put together and can only be ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start a job on &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start a job on &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start a new page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write a part of the document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot spool the job: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; refused the job: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot put the document together: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CUPS cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the CUPS scheduler at %1 cannot be reached (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the state of job %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1 was cancelled%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1 was aborted%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1 stopped%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1 is held%2; it prints once released (lp -i %3-%1 -H resume)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>job %1 is waiting: printer %2 is stopped%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: cannot start a job on &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: cannot start a new page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer error: the job on &quot;%1&quot; could not be finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::QtCommonDialog</name>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KYTPreview Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type the word(s) to find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was found for &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::RegistryStore</name>
    <message>
        <source>The settings file &quot;%1&quot; cannot be used (%2); settings are kept in memory for this session and defaults apply.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a settings database or it is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is read-only for this user: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a database of another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; is damaged or cannot be read (%2); settings are kept in memory for this session and defaults apply.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::Surface</name>
    <message>
        <source>Out of memory (picture box of %1 x %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::TargetApplication</name>
    <message>
        <source>The target application &quot;%1&quot; failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create object: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No ProgId given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No target application is registered for &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The factory for &quot;%1&quot; made no object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin &quot;%1&quot; does not load: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin &quot;%1&quot; does not serve target applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plugin &quot;%1&quot; made no object for &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::TemplateFile</name>
    <message>
        <source> (object record of type &quot;%1&quot; at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: picture %1 (record at byte %2): the pictures of one template may have %3 pixels in all: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture: picture %1 (record at byte %2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture: the logo %1 has no picture to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: the pictures hold %1 pixels, more than the %2 a template may have in all; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture: picture %1 cannot be saved as a bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: with picture %1 the file would exceed the %2 bytes a template file may have; nothing was written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1 is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: %1 is %2 bytes; at most %3 bytes are read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: %1 is larger than %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: no file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file format: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 (%2) of the template record is not a number: &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>field %1 (%2) of the template record is out of range: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file format: a record of %1 bytes does not fit a length field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input past end of file: the file ends inside the %1 at byte %2 (%3 bytes needed, %4 left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>negative length %1 for the %2 at byte %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input past end of file: the %1 at byte %2 claims %3 bytes, only %4 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>header word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>template record length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>template record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object type field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>object record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture type field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture record at byte %1 has no picture number (&quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kyt::frmPreview</name>
    <message>
        <source>Drag on the card to place the object, or press Enter to place it in the middle; Esc cancels.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
